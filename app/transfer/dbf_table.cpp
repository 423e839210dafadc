#include "app/transfer/dbf_table.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/file_system.h"
#include "runtime/ansi_chars.h"
#include "runtime/settings.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {
constexpr std::size_t kHeaderSize = 32;
constexpr std::size_t kDescriptorSize = 32;
constexpr char kEndOfFile = 0x1A;
constexpr char kDeletedFlag = '*';
// The language-driver byte, reserved in dBASE III: later readers take 0x03 for
// Windows ANSI (code page 1252), the code page of every text in the table.
constexpr std::size_t kLanguageDriver = 29;
constexpr char kWindowsAnsi = 0x03;

void PutU16(char* p, std::uint32_t v) {
    p[0] = static_cast<char>(v & 0xFF);
    p[1] = static_cast<char>((v >> 8) & 0xFF);
}

void PutU32(char* p, std::uint32_t v) {
    PutU16(p, v & 0xFFFF);
    PutU16(p + 2, v >> 16);
}

std::uint32_t GetU16(const char* p) {
    return static_cast<unsigned char>(p[0]) | (static_cast<unsigned char>(p[1]) << 8);
}

std::uint32_t GetU32(const char* p) { return GetU16(p) | (GetU16(p + 2) << 16); }

std::size_t HeaderLength(std::size_t fieldCount) { return kHeaderSize + fieldCount * kDescriptorSize + 2; }

// The header: version 3, today's date, record count, lengths, code page, field descriptors, 0x0D 0x00.
std::vector<char> BuildHeader(const std::vector<DbfField>& fields, std::uint32_t count, std::uint32_t recordLength) {
    std::vector<char> h(HeaderLength(fields.size()), '\0');
    SYSTEMTIME today;
    GetLocalTime(&today);
    h[0] = 0x03;
    h[1] = static_cast<char>(today.wYear - 1900);
    h[2] = static_cast<char>(today.wMonth);
    h[3] = static_cast<char>(today.wDay);
    PutU32(&h[4], count);
    PutU16(&h[8], static_cast<std::uint32_t>(h.size()));
    PutU16(&h[10], recordLength);
    h[kLanguageDriver] = kWindowsAnsi;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        char* d = &h[kHeaderSize + i * kDescriptorSize];
        std::memcpy(d, fields[i].name.data(), std::min<std::size_t>(fields[i].name.size(), 10));
        d[11] = fields[i].type;
        d[16] = static_cast<char>(fields[i].length);
        d[17] = static_cast<char>(fields[i].decimals);
    }
    h[h.size() - 2] = 0x0D;
    return h;
}

std::uint32_t RecordLength(const std::vector<DbfField>& fields) {
    std::uint32_t length = 1;
    for (const auto& f : fields) length += static_cast<std::uint32_t>(f.length);
    return length;
}

bool WriteAll(HANDLE file, const char* data, std::size_t size) {
    while (size > 0) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 24));
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

bool ReadAll(HANDLE file, std::vector<char>& bytes) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || size.QuadPart > 0x7FFFFFFF) return false;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr) || got == 0)
            return false;
        done += got;
    }
    return true;
}

std::vector<DbfField> ParseFields(const std::vector<char>& bytes, std::size_t headerLength) {
    std::vector<DbfField> fields;
    for (std::size_t at = kHeaderSize; at + kDescriptorSize <= headerLength && bytes[at] != 0x0D;
         at += kDescriptorSize) {
        const char* d = &bytes[at];
        DbfField f;
        f.name.assign(d, strnlen(d, 11));
        f.type = d[11];
        f.length = static_cast<unsigned char>(d[16]);
        f.decimals = static_cast<unsigned char>(d[17]);
        fields.push_back(f);
    }
    return fields;
}

// Parses the text of a numeric field: blanks, an optional sign, digits, an optional fraction.
double ParseNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = i < text.size() && text[i] == '-';
    if (negative || (i < text.size() && text[i] == '+')) ++i;
    double value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = value * 10 + (text[i] - '0');
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10) value += (text[i] - '0') * scale;
    }
    return negative ? -value : value;
}
}  // namespace

bool DbfTable::Create(const std::string& path, const std::vector<DbfField>& fields) {
    platform::FileHandle file = platform::OpenFile(path, {.access = GENERIC_WRITE, .share = 0, .disposition = CREATE_ALWAYS});
    if (!file) return false;
    std::vector<char> bytes = BuildHeader(fields, 0, RecordLength(fields));
    bytes.push_back(kEndOfFile);
    return WriteAll(file.Get(), bytes.data(), bytes.size()) && file.Close();
}

std::shared_ptr<DbfTable> DbfTable::Open(const std::string& path, const std::string& alias) {
    platform::FileHandle file = platform::OpenFile(path, {.access = GENERIC_READ | GENERIC_WRITE, .share = 0});
    std::vector<char> bytes;
    if (!file || !ReadAll(file.Get(), bytes) || bytes.size() < kHeaderSize || (bytes[0] & 0x07) != 0x03) return {};
    std::size_t headerLength = GetU16(&bytes[8]);
    std::uint32_t count = GetU32(&bytes[4]);
    std::uint32_t recordLength = GetU16(&bytes[10]);
    if (headerLength > bytes.size() || recordLength == 0) return {};
    std::shared_ptr<DbfTable> table(new DbfTable);
    table->fields_ = ParseFields(bytes, headerLength);
    if (RecordLength(table->fields_) != recordLength) return {};
    // A file cut short keeps the records that are complete.
    count = std::min<std::uint32_t>(count, static_cast<std::uint32_t>((bytes.size() - headerLength) / recordLength));
    table->file_ = std::move(file);
    table->alias_ = AnsiUpperText(alias);
    table->recordLength_ = static_cast<std::uint16_t>(recordLength);
    std::uint16_t offset = 1;
    for (const auto& f : table->fields_) {
        table->offsets_.push_back(offset);
        offset = static_cast<std::uint16_t>(offset + f.length);
    }
    table->records_.assign(bytes.begin() + static_cast<std::ptrdiff_t>(headerLength),
                           bytes.begin() + static_cast<std::ptrdiff_t>(headerLength + std::size_t(count) * recordLength));
    table->count_ = count;
    table->GoTop();
    return table;
}

DbfTable::~DbfTable() { Close(); }

int DbfTable::FieldPos(std::string_view name) const {
    std::string wanted = AnsiUpperText(name);
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (AnsiUpperText(fields_[i].name) == wanted) return static_cast<int>(i);
    return -1;
}

char* DbfTable::Record(std::uint32_t n) { return records_.data() + std::size_t(n - 1) * recordLength_; }

const char* DbfTable::Record(std::uint32_t n) const {
    return records_.data() + std::size_t(n - 1) * recordLength_;
}

bool DbfTable::Visible(std::uint32_t n) const {
    return !Settings().deletedHidden || Record(n)[0] != kDeletedFlag;
}

std::uint32_t DbfTable::NextVisible(std::uint32_t from) const {
    while (from <= count_ && !Visible(from)) ++from;
    return from;
}

char* DbfTable::FieldData(int field) { return Record(recno_) + offsets_[field]; }

const char* DbfTable::FieldData(int field) const { return Record(recno_) + offsets_[field]; }

void DbfTable::Append() {
    records_.resize(records_.size() + recordLength_, ' ');
    recno_ = ++count_;
    bof_ = false;
    dirty_ = true;
}

std::string_view DbfTable::GetText(int field) const {
    static const std::string blanks(255, ' ');
    if (Eof()) return std::string_view(blanks).substr(0, fields_[field].length);
    return {FieldData(field), static_cast<std::size_t>(fields_[field].length)};
}

double DbfTable::GetNumber(int field) const { return ParseNumber(GetText(field)); }

bool DbfTable::GetLogical(int field) const {
    char c = GetText(field)[0];
    return c == 'T' || c == 't' || c == 'Y' || c == 'y';
}

Value DbfTable::FieldGet(int field) const {
    switch (fields_[field].type) {
        case 'N': return GetNumber(field);
        case 'L': return GetLogical(field);
        default: return std::string(GetText(field));
    }
}

void DbfTable::PutText(int field, std::string_view text) {
    if (Eof()) return;
    auto width = static_cast<std::size_t>(fields_[field].length);
    char* data = FieldData(field);
    std::size_t n = std::min(width, text.size());
    std::memcpy(data, text.data(), n);
    std::memset(data + n, ' ', width - n);
    dirty_ = true;
}

void DbfTable::PutNumber(int field, double number) {
    const DbfField& f = fields_[field];
    char text[64];
    int n = std::snprintf(text, sizeof text, "%*.*f", f.length, f.decimals, number);
    if (n < 0 || n > f.length) {
        PutText(field, std::string(static_cast<std::size_t>(f.length), '*'));
        return;
    }
    PutText(field, std::string_view(text, static_cast<std::size_t>(n)));
}

void DbfTable::PutLogical(int field, bool value) { PutText(field, value ? "T" : "F"); }

void DbfTable::FieldPut(int field, const Value& value) {
    switch (fields_[field].type) {
        case 'N': PutNumber(field, value.AsNumber()); break;
        case 'L': PutLogical(field, value.AsLogical()); break;
        default: PutText(field, value.AsString()); break;
    }
}

void DbfTable::GoTop() {
    recno_ = NextVisible(1);
    bof_ = Eof();
}

void DbfTable::GoTo(std::uint32_t n) {
    recno_ = n >= 1 && n <= count_ ? n : count_ + 1;
    bof_ = false;
}

void DbfTable::Skip() {
    if (!Eof()) recno_ = NextVisible(recno_ + 1);
    bof_ = false;
}

void DbfTable::Delete() {
    if (Eof()) return;
    Record(recno_)[0] = kDeletedFlag;
    dirty_ = true;
}

void DbfTable::Recall() {
    if (Eof()) return;
    Record(recno_)[0] = ' ';
    dirty_ = true;
}

bool DbfTable::Deleted() const { return !Eof() && Record(recno_)[0] == kDeletedFlag; }

void DbfTable::Eval(const std::function<void()>& action, const std::function<bool()>& condition) {
    for (GoTop(); !Eof(); Skip())
        if (!condition || condition()) action();
}

void DbfTable::Pack() {
    std::size_t kept = 0;
    for (std::uint32_t n = 1; n <= count_; ++n) {
        const char* r = Record(n);
        if (r[0] == kDeletedFlag) continue;
        std::memmove(records_.data() + kept * recordLength_, r, recordLength_);
        ++kept;
    }
    records_.resize(kept * recordLength_);
    count_ = static_cast<std::uint32_t>(kept);
    dirty_ = true;
    Commit();
    GoTop();
}

bool DbfTable::Commit() {
    if (!file_) return false;
    if (!dirty_) return true;
    std::vector<char> header = BuildHeader(fields_, count_, recordLength_);
    LARGE_INTEGER zero{};
    char end = kEndOfFile;
    bool ok = SetFilePointerEx(file_.Get(), zero, nullptr, FILE_BEGIN) &&
              WriteAll(file_.Get(), header.data(), header.size()) &&
              WriteAll(file_.Get(), records_.data(), records_.size()) && WriteAll(file_.Get(), &end, 1) &&
              SetEndOfFile(file_.Get());
    dirty_ = !ok;
    return ok;
}

void DbfTable::Close() {
    if (!file_) return;
    Commit();
    file_.Close();
    records_.clear();
    count_ = 0;
    recno_ = 1;
}

}  // namespace pixa::transfer
