#pragma once
// The dynamic value of the run-time: absent, logical, number, string, date,
// array, object or action. Arrays and objects are shared by reference, like
// the run-time they model; everything else is a plain value.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "runtime/date.h"

namespace pixa {

class Value;
using Array = std::vector<Value>;
using ArrayRef = std::shared_ptr<Array>;
using Args = std::vector<Value>;

// Base of every object that a dynamic value can hold (windows, controls, errors...).
class Object {
public:
    virtual ~Object() = default;
    // The class name as the error report shows it ("TDIALOG", "ERROR").
    virtual std::string ClassName() const = 0;
};
using ObjectRef = std::shared_ptr<Object>;

// A callable taking positional arguments; a missing argument reads as absent.
class Action {
public:
    using Fn = std::function<Value(const Args&)>;
    Action() = default;
    explicit Action(Fn fn) : fn_(std::make_shared<Fn>(std::move(fn))) {}
    // True when there is something to call; an absent action is simply not called.
    explicit operator bool() const { return fn_ && *fn_; }
    // Calls the action; returns absent when there is nothing to call.
    Value operator()(const Args& args = {}) const;
    template <typename... A>
    Value Call(A&&... a) const;
    // Identity: two copies of one action compare equal.
    bool operator==(const Action& other) const { return fn_ == other.fn_; }

private:
    std::shared_ptr<Fn> fn_;
};

class Value {
public:
    // Type letters as the error report uses them: U C N L D A O B.
    enum class Type { Absent, Logical, Number, String, Date, Array, Object, Action };

    Value() = default;
    Value(std::nullptr_t) {}
    Value(bool b) : v_(b) {}
    Value(int n) : v_(static_cast<std::int64_t>(n)) {}
    Value(long n) : v_(static_cast<std::int64_t>(n)) {}
    Value(long long n) : v_(static_cast<std::int64_t>(n)) {}
    Value(unsigned n) : v_(static_cast<std::int64_t>(n)) {}
    Value(unsigned long n) : v_(static_cast<std::int64_t>(n)) {}
    Value(unsigned long long n) : v_(static_cast<std::int64_t>(n)) {}
    Value(double d) : v_(d) {}
    Value(const char* s) : v_(std::string(s)) {}
    Value(std::string s) : v_(std::move(s)) {}
    Value(pixa::Date d) : v_(d) {}
    Value(ArrayRef a) : v_(std::move(a)) {}
    Value(ObjectRef o) : v_(std::move(o)) {}
    template <typename T, typename = std::enable_if_t<std::is_base_of_v<Object, T>>>
    Value(std::shared_ptr<T> o) : v_(ObjectRef(std::move(o))) {}
    Value(pixa::Action a) : v_(std::move(a)) {}

    // A new array value holding the given elements.
    static Value MakeArray(Array elements = {});

    Type type() const;
    // One of "U", "L", "N", "C", "D", "A", "O", "B".
    char TypeLetter() const;

    bool IsAbsent() const { return type() == Type::Absent; }
    bool IsLogical() const { return type() == Type::Logical; }
    bool IsNumber() const { return type() == Type::Number; }
    bool IsInteger() const { return std::holds_alternative<std::int64_t>(v_); }
    bool IsString() const { return type() == Type::String; }
    bool IsDate() const { return type() == Type::Date; }
    bool IsArray() const { return type() == Type::Array; }
    bool IsObject() const { return type() == Type::Object; }
    bool IsAction() const { return type() == Type::Action; }

    // Typed reads; a value of another type yields the type's empty value.
    bool AsLogical() const;
    double AsNumber() const;
    std::int64_t AsInteger() const;
    const std::string& AsString() const;
    pixa::Date AsDate() const;
    ArrayRef AsArray() const;
    ObjectRef AsObject() const;
    pixa::Action AsAction() const;

    // Identity for arrays, objects and actions; value equality for the rest
    // (an integer and a floating number of the same value are equal).
    bool operator==(const Value& other) const;

private:
    std::variant<std::monostate, bool, std::int64_t, double, std::string, pixa::Date, ArrayRef, ObjectRef,
                 pixa::Action>
        v_;
};

template <typename... A>
Value Action::Call(A&&... a) const {
    return (*this)(Args{Value(std::forward<A>(a))...});
}

// The argument at a 0-based position, absent when the caller passed fewer.
const Value& Arg(const Args& args, std::size_t index);

}  // namespace pixa
