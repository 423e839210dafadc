#include "runtime/value.h"

#include <cmath>
#include <limits>

namespace pixa {

Value Action::operator()(const Args& args) const {
    if (!*this) return Value();
    return (*fn_)(args);
}

Value Value::MakeArray(Array elements) {
    return Value(std::make_shared<Array>(std::move(elements)));
}

Value::Type Value::type() const {
    switch (v_.index()) {
        case 0: return Type::Absent;
        case 1: return Type::Logical;
        case 2:
        case 3: return Type::Number;
        case 4: return Type::String;
        case 5: return Type::Date;
        case 6: return std::get<ArrayRef>(v_) ? Type::Array : Type::Absent;
        case 7: return std::get<ObjectRef>(v_) ? Type::Object : Type::Absent;
        default: return std::get<pixa::Action>(v_) ? Type::Action : Type::Absent;
    }
}

char Value::TypeLetter() const {
    static constexpr char letters[] = {'U', 'L', 'N', 'C', 'D', 'A', 'O', 'B'};
    return letters[static_cast<int>(type())];
}

bool Value::AsLogical() const {
    auto p = std::get_if<bool>(&v_);
    return p && *p;
}

double Value::AsNumber() const {
    if (auto i = std::get_if<std::int64_t>(&v_)) return static_cast<double>(*i);
    if (auto d = std::get_if<double>(&v_)) return *d;
    return 0.0;
}

std::int64_t Value::AsInteger() const {
    if (auto i = std::get_if<std::int64_t>(&v_)) return *i;
    if (auto d = std::get_if<double>(&v_)) {
        // Out-of-range doubles saturate and NaN reads as 0: a plain cast would be undefined.
        if (std::isnan(*d)) return 0;
        if (*d >= 9223372036854775807.0) return std::numeric_limits<std::int64_t>::max();
        if (*d <= -9223372036854775808.0) return std::numeric_limits<std::int64_t>::min();
        return static_cast<std::int64_t>(*d);
    }
    return 0;
}

const std::string& Value::AsString() const {
    static const std::string empty;
    auto p = std::get_if<std::string>(&v_);
    return p ? *p : empty;
}

pixa::Date Value::AsDate() const {
    auto p = std::get_if<pixa::Date>(&v_);
    return p ? *p : pixa::Date{};
}

ArrayRef Value::AsArray() const {
    auto p = std::get_if<ArrayRef>(&v_);
    return p ? *p : ArrayRef();
}

ObjectRef Value::AsObject() const {
    auto p = std::get_if<ObjectRef>(&v_);
    return p ? *p : ObjectRef();
}

pixa::Action Value::AsAction() const {
    auto p = std::get_if<pixa::Action>(&v_);
    return p ? *p : pixa::Action();
}

bool Value::operator==(const Value& other) const {
    if (IsNumber() && other.IsNumber()) {
        if (IsInteger() && other.IsInteger()) return AsInteger() == other.AsInteger();
        return AsNumber() == other.AsNumber();
    }
    if (type() != other.type()) return false;
    return v_ == other.v_;
}

const Value& Arg(const Args& args, std::size_t index) {
    static const Value absent;
    return index < args.size() ? args[index] : absent;
}

}  // namespace pixa
