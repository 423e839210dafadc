#include "runtime/edit_buffer.h"

#include <algorithm>
#include <charconv>

#include "runtime/ansi_chars.h"
#include "runtime/date.h"
#include "runtime/settings.h"
#include "runtime/transform.h"
#include "runtime/value_text.h"

namespace pixa {

namespace {

EditBuffer::Kind KindOf(const Value& value) {
    if (value.IsNumber()) return EditBuffer::Kind::Number;
    if (value.IsDate()) return EditBuffer::Kind::Date;
    return EditBuffer::Kind::Text;
}

// A number without template: ten whole digits like the run-time's number text,
// more when the value needs them, and the decimals of its text (2 to 9).
std::string DefaultNumberMask(const Value& number) {
    const std::string text = NumberText(number);
    const std::size_t point = text.find('.');
    const std::size_t whole = std::max<std::size_t>(10, std::min(point, text.size()));
    std::string mask(whole, '9');
    if (number.IsInteger()) return mask;
    const std::size_t decimals = point == std::string::npos ? 0 : text.size() - point - 1;
    return mask + "." + std::string(std::clamp<std::size_t>(decimals, 2, 9), '9');
}

bool HasDigitPosition(std::string_view mask) { return std::any_of(mask.begin(), mask.end(), IsDigitPosition); }

}  // namespace

EditBuffer::EditBuffer(Value value, std::string_view picture)
    : picture_(Picture::Parse(picture)), kind_(KindOf(value)), value_(std::move(value)), original_(value_) {
    Reload();
}

// ---- value and buffer ----

std::string EditBuffer::DisplayMask() const {
    switch (kind_) {
        case Kind::Number: return HasDigitPosition(picture_.mask) ? picture_.mask : DefaultNumberMask(value_);
        case Kind::Date: return Settings().century ? "99.99.9999" : "99.99.99";
        case Kind::Text: break;
    }
    if (!picture_.mask.empty()) return picture_.mask;
    return std::string(cValToChar(value_).size(), 'X');
}

std::string EditBuffer::EditMask() const {
    std::string mask = DisplayMask();
    if (kind_ == Kind::Number) mask.erase(std::remove(mask.begin(), mask.end(), ','), mask.end());
    return mask;
}

std::string EditBuffer::Layout(const Value& value) const {
    switch (kind_) {
        case Kind::Number: return FormatNumber(value, mask_, picture_.Has('E'));
        case Kind::Date: return DateText(value.AsDate());
        case Kind::Text: break;
    }
    return FormatText(cValToChar(value), mask_, picture_.Has('!'));
}

void EditBuffer::Reload() {
    mask_ = editing_ ? EditMask() : DisplayMask();
    buffer_ = Layout(value_);
    pos_ = editing_ ? FirstEditable() : 0;
    typedOut_ = false;
    clearPending_ = editing_ && (picture_.Has('K') || kind_ == Kind::Number);
}

int EditBuffer::Decimals() const {
    const std::size_t point = mask_.find('.');
    if (point == std::string::npos) return 0;
    return static_cast<int>(std::count_if(mask_.begin() + point + 1, mask_.end(), IsDigitPosition));
}

Value EditBuffer::MakeNumber(bool negative, std::string_view whole, std::string_view fraction) const {
    const std::string_view digits = whole.empty() ? std::string_view("0") : whole;
    if (Decimals() == 0 && digits.size() <= 18) {
        std::int64_t n = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), n);
        return Value(negative ? -n : n);
    }
    std::string text(digits);
    if (!fraction.empty()) text.append(".").append(fraction);
    double d = 0;
    std::from_chars(text.data(), text.data() + text.size(), d);
    return Value(negative ? -d : d);
}

Value EditBuffer::NumberFromBuffer() const {
    const std::size_t point = std::min(mask_.find('.'), mask_.size());
    bool negative = false;
    std::string whole, fraction;
    for (std::size_t i = 0; i < buffer_.size(); ++i) {
        const char c = buffer_[i];
        if (!IsEditable(i)) continue;
        if (c == '-') negative = true;
        else if (AnsiIsDigit(c)) (i < point ? whole : fraction) += c;
    }
    return MakeNumber(negative, whole, fraction);
}

Value EditBuffer::NumberFromText(std::string_view text) const {
    // The decimal separator is ',' with "@E" and '.' otherwise; the other one is
    // a thousands separator and skipped.
    const char decimalSeparator = picture_.Has('E') ? ',' : '.';
    bool negative = false, inFraction = false;
    std::string whole, fraction;
    for (char c : text) {
        if (c == '-') negative = true;
        else if (c == decimalSeparator) inFraction = true;
        else if (AnsiIsDigit(c)) (inFraction ? fraction : whole) += c;
    }
    return MakeNumber(negative, whole, fraction);
}

Value EditBuffer::Current() const {
    if (!editing_ || !changed_) return value_;
    switch (kind_) {
        case Kind::Number: return NumberFromBuffer();
        case Kind::Date: return DateFromText(buffer_);
        case Kind::Text: break;
    }
    return Value(buffer_);
}

void EditBuffer::BeginEdit() {
    editing_ = true;
    changed_ = false;
    badDate_ = false;
    original_ = value_;
    Reload();
}

bool EditBuffer::EndEdit() {
    if (!editing_) return true;
    if (kind_ == Kind::Date) {
        bool valid = true;
        DateFromText(buffer_, &valid);
        badDate_ = !valid;
        if (badDate_) return false;
    }
    value_ = Current();
    editing_ = false;
    Reload();
    return true;
}

void EditBuffer::SetValue(Value value) {
    kind_ = KindOf(value);
    value_ = std::move(value);
    original_ = value_;
    changed_ = false;
    badDate_ = false;
    Reload();
}

void EditBuffer::Undo() {
    value_ = original_;
    kind_ = KindOf(value_);
    changed_ = false;
    badDate_ = false;
    Reload();
}

// ---- positions ----

bool EditBuffer::IsEditable(std::size_t pos) const {
    return pos < mask_.size() && IsValuePosition(mask_[pos], kind_ != Kind::Text);
}

std::size_t EditBuffer::FirstEditable() const { return NextEditable(static_cast<std::size_t>(-1)); }

std::size_t EditBuffer::NextEditable(std::size_t pos) const {
    for (std::size_t i = pos + 1; i < buffer_.size(); ++i)
        if (IsEditable(i)) return i;
    return buffer_.size();
}

std::size_t EditBuffer::PrevEditable(std::size_t pos) const {
    for (std::size_t i = std::min(pos, buffer_.size()); i-- > 0;)
        if (IsEditable(i)) return i;
    return buffer_.size();
}

std::optional<char> EditBuffer::Accept(std::size_t pos, char c) const {
    if (!IsEditable(pos) || (c >= 0 && c < ' ')) return std::nullopt;
    return AcceptChar(mask_[pos], c, kind_ == Kind::Number, picture_.Has('!'));
}

void EditBuffer::ClearAll() {
    for (std::size_t i = 0; i < buffer_.size(); ++i)
        if (IsEditable(i)) buffer_[i] = ' ';
}

bool EditBuffer::ShiftRight(std::size_t from) {
    std::size_t last = PrevEditable(buffer_.size());
    if (last == buffer_.size() || last < from) return true;
    // Inserting never pushes a character out of the buffer: a full buffer refuses.
    if (buffer_[last] != ' ') return false;
    for (std::size_t to = last, src = PrevEditable(last); to > from && src != buffer_.size() && src >= from;
         to = src, src = PrevEditable(src))
        buffer_[to] = buffer_[src];
    return true;
}

void EditBuffer::ShiftLeft(std::size_t from) {
    std::size_t to = from;
    for (std::size_t src = NextEditable(to); src < buffer_.size(); to = src, src = NextEditable(src))
        buffer_[to] = buffer_[src];
    buffer_[to] = ' ';
}

// ---- typing ----

EditBuffer::TypeResult EditBuffer::Advance() {
    pos_ = NextEditable(pos_);
    if (pos_ < buffer_.size()) return TypeResult::Accepted;
    typedOut_ = true;
    return Settings().confirm ? TypeResult::FullStay : TypeResult::FullNext;
}

EditBuffer::TypeResult EditBuffer::Type(char c) {
    typedOut_ = false;
    if (!editing_) return TypeResult::Rejected;
    if (kind_ == Kind::Number && (c == '.' || c == ',')) return DecimalPoint();
    const std::size_t at = clearPending_ ? FirstEditable() : pos_;
    const std::optional<char> stored = Accept(at, c);
    if (!stored) return TypeResult::Rejected;
    if (clearPending_) {
        ClearAll();
        clearPending_ = false;
        pos_ = at;
    }
    if (InsertMode() && !ShiftRight(pos_)) return TypeResult::Rejected;
    buffer_[pos_] = *stored;
    changed_ = true;
    return Advance();
}

EditBuffer::TypeResult EditBuffer::DecimalPoint() {
    const std::size_t point = mask_.find('.');
    if (point == std::string::npos) return TypeResult::Rejected;
    if (clearPending_) ClearAll();
    clearPending_ = false;
    // Right-align what was typed of the whole part before the decimal point.
    std::string whole;
    for (std::size_t i = 0; i < point; ++i)
        if (IsEditable(i) && buffer_[i] != ' ') whole += buffer_[i];
    for (std::size_t i = point; i-- > 0;) {
        if (!IsEditable(i)) continue;
        buffer_[i] = whole.empty() ? ' ' : whole.back();
        if (!whole.empty()) whole.pop_back();
    }
    changed_ = true;
    pos_ = point;
    return Advance();
}

bool EditBuffer::Paste(std::string_view text) {
    refused_ = false;
    if (!editing_ || text.empty()) return false;
    clearPending_ = false;
    typedOut_ = false;
    if (kind_ == Kind::Number) return PasteNumber(text);
    if (kind_ == Kind::Date) {
        std::string combined = buffer_;
        combined.insert(std::min(pos_, combined.size()), text);
        bool valid = true;
        const Date date = DateFromText(combined, &valid);
        refused_ = !valid;
        if (!valid) return false;
        buffer_ = Layout(date);
        changed_ = true;
        pos_ = FirstEditable();
        return true;
    }
    bool any = false;
    for (char c : text) {
        const std::optional<char> stored = pos_ < buffer_.size() ? Accept(pos_, c) : std::nullopt;
        if (!stored || !ShiftRight(pos_)) {
            refused_ = true;
            continue;
        }
        buffer_[pos_] = *stored;
        changed_ = any = true;
        Advance();
    }
    return any;
}

// The number is read again from the combined text; pasted characters that would make
// it longer than the picture holds are refused from the end, as typing them would be.
bool EditBuffer::PasteNumber(std::string_view text) {
    for (std::size_t keep = text.size(); keep > 0; --keep) {
        std::string combined = buffer_;
        combined.insert(std::min(pos_, combined.size()), text.substr(0, keep));
        std::string laid = Layout(NumberFromText(combined));
        if (laid.find('*') != std::string::npos) {
            refused_ = true;
            continue;
        }
        buffer_ = std::move(laid);
        changed_ = true;
        pos_ = FirstEditable();
        return true;
    }
    return false;
}

// ---- cursor and deletion ----

void EditBuffer::CursorKey() {
    clearPending_ = false;
    typedOut_ = false;
}

bool EditBuffer::Left() {
    CursorKey();
    const std::size_t prev = PrevEditable(pos_);
    if (prev == buffer_.size()) return false;
    pos_ = prev;
    return true;
}

bool EditBuffer::Right() {
    CursorKey();
    const std::size_t next = NextEditable(pos_);
    if (next >= buffer_.size()) return false;
    pos_ = next;
    return true;
}

bool EditBuffer::Home() {
    CursorKey();
    const std::size_t old = pos_;
    pos_ = FirstEditable();
    return pos_ != old;
}

bool EditBuffer::End() {
    CursorKey();
    const std::size_t old = pos_;
    std::size_t lastFilled = buffer_.size();
    for (std::size_t i = 0; i < buffer_.size(); ++i)
        if (IsEditable(i) && buffer_[i] != ' ') lastFilled = i;
    if (lastFilled == buffer_.size()) {
        pos_ = FirstEditable();
    } else {
        const std::size_t after = NextEditable(lastFilled);
        pos_ = after < buffer_.size() ? after : lastFilled;
    }
    return pos_ != old;
}

bool EditBuffer::WordRight() {
    CursorKey();
    const std::size_t old = pos_;
    std::size_t p = pos_;
    while (p < buffer_.size() && buffer_[p] != ' ') p = NextEditable(p);
    while (p < buffer_.size() && buffer_[p] == ' ') p = NextEditable(p);
    if (p < buffer_.size()) pos_ = p;
    else End();
    return pos_ != old;
}

bool EditBuffer::WordLeft() {
    CursorKey();
    const std::size_t none = buffer_.size();
    std::size_t p = PrevEditable(pos_);
    while (p != none && buffer_[p] == ' ') p = PrevEditable(p);
    if (p == none) return Home();
    for (std::size_t q = PrevEditable(p); q != none && buffer_[q] != ' '; q = PrevEditable(q)) p = q;
    const bool moved = p != pos_;
    pos_ = p;
    return moved;
}

void EditBuffer::SetPos(std::size_t pos) {
    typedOut_ = false;
    if (IsEditable(pos)) {
        pos_ = pos;
        return;
    }
    const std::size_t next = NextEditable(pos);
    pos_ = next < buffer_.size() ? next : PrevEditable(buffer_.size());
    if (pos_ == buffer_.size()) pos_ = 0;  // no editable position at all
}

bool EditBuffer::Delete() {
    CursorKey();
    if (!editing_ || !IsEditable(pos_)) return false;
    ShiftLeft(pos_);
    changed_ = true;
    return true;
}

bool EditBuffer::Backspace() {
    CursorKey();
    const std::size_t prev = PrevEditable(pos_);
    if (!editing_ || prev == buffer_.size()) return false;
    pos_ = prev;
    return Delete();
}

bool EditBuffer::DeleteRange(std::size_t from, std::size_t to) {
    CursorKey();
    if (!editing_) return false;
    to = std::min(to, buffer_.size());
    std::size_t count = 0;
    for (std::size_t i = from; i < to; ++i) count += IsEditable(i) ? 1 : 0;
    if (count == 0) return false;
    SetPos(from);
    for (std::size_t i = 0; i < count; ++i) ShiftLeft(pos_);
    changed_ = true;
    return true;
}

bool EditBuffer::InsertMode() { return Settings().insert; }

void EditBuffer::ToggleInsert() { Settings().insert = !Settings().insert; }

}  // namespace pixa
