#pragma once
// The one place where a typed closure becomes an Action. The framework calls
// actions with positional dynamic values; application code writes ordinary typed
// lambdas and lets this header convert:
//   Do([&](int row, int col) { ... })   arguments converted by position, result
//                                       absent for void, else the returned value;
//                                       a plain function works the same
//   Constant("text")                    always yields the same value
//   Bind(variable)                      yields the variable; given an argument,
//                                       stores it first (the variable must outlive
//                                       the action)
//   Bind(state, &State::member)         the same over shared state; a binding whose
//                                       state is gone yields absent and stores nothing
//   Do(state, [](State& s, int row) {}) the closure on shared state held weakly; once
//                                       the state is gone it runs nothing and yields
//                                       absent (or the fallback given)
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "runtime/value.h"

namespace pixa {

namespace action_detail {

template <typename T>
using Plain = std::remove_cvref_t<T>;

// One dynamic argument read as the parameter's type.
template <typename T>
T From(const Value& v) {
    using P = Plain<T>;
    if constexpr (std::is_same_v<P, Value>) {
        return v;
    } else if constexpr (std::is_same_v<P, bool>) {
        return v.AsLogical();
    } else if constexpr (std::is_enum_v<P>) {
        return static_cast<P>(v.AsInteger());
    } else if constexpr (std::is_integral_v<P>) {
        return static_cast<P>(v.AsInteger());
    } else if constexpr (std::is_floating_point_v<P>) {
        return static_cast<P>(v.AsNumber());
    } else if constexpr (std::is_same_v<P, std::string>) {
        return v.AsString();
    } else if constexpr (std::is_pointer_v<P>) {
        // Platform handles travel as numbers.
        return reinterpret_cast<P>(static_cast<std::intptr_t>(v.AsInteger()));
    } else if constexpr (std::is_same_v<P, ObjectRef>) {
        return v.AsObject();
    } else if constexpr (std::is_same_v<P, Action>) {
        return v.AsAction();
    } else {
        // A shared object of a given class; absent when the value holds another one.
        return std::dynamic_pointer_cast<typename P::element_type>(v.AsObject());
    }
}

// The dynamic form of a typed result.
template <typename R>
Value To(R&& r) {
    using P = Plain<R>;
    if constexpr (std::is_pointer_v<P> && !std::is_same_v<P, const char*> && !std::is_same_v<P, char*>) {
        return Value(static_cast<long long>(reinterpret_cast<std::intptr_t>(r)));
    } else {
        return Value(std::forward<R>(r));
    }
}

template <typename F>
struct Signature : Signature<decltype(&F::operator())> {};
template <typename C, typename R, typename... A>
struct Signature<R (C::*)(A...) const> {
    using Result = R;
    using Params = std::tuple<A...>;
};
template <typename C, typename R, typename... A>
struct Signature<R (C::*)(A...)> {
    using Result = R;
    using Params = std::tuple<A...>;
};
template <typename R, typename... A>
struct Signature<R (*)(A...)> {
    using Result = R;
    using Params = std::tuple<A...>;
};

// True for a closure that takes the positional arguments as they are.
template <typename Params>
struct TakesArgs : std::false_type {};
template <typename A>
struct TakesArgs<std::tuple<A>> : std::is_same<Plain<A>, Args> {};

template <typename F, std::size_t... I>
Value Invoke(F& fn, const Args& args, std::index_sequence<I...>) {
    using S = Signature<F>;
    using Params = typename S::Params;
    if constexpr (TakesArgs<Params>::value) {
        // The raw form: the closure reads the positional arguments itself.
        if constexpr (std::is_void_v<typename S::Result>) {
            fn(args);
            return Value();
        } else {
            return To(fn(args));
        }
    } else if constexpr (std::is_void_v<typename S::Result>) {
        fn(From<std::tuple_element_t<I, Params>>(Arg(args, I))...);
        return Value();
    } else {
        return To(fn(From<std::tuple_element_t<I, Params>>(Arg(args, I))...));
    }
}

// The closure fn(state, rest...) as one over the rest alone, run while the state lives.
template <typename S, typename F, typename Params>
struct OnState;
template <typename S, typename F, typename First, typename... A>
struct OnState<S, F, std::tuple<First, A...>> {
    static auto Closure(std::weak_ptr<S> weak, F fn, Value otherwise) {
        return [weak = std::move(weak), fn = std::move(fn), otherwise = std::move(otherwise)](A... a) mutable -> Value {
            auto alive = weak.lock();
            if (!alive) return otherwise;
            if constexpr (std::is_void_v<typename Signature<F>::Result>) {
                fn(*alive, std::forward<A>(a)...);
                return Value();
            } else {
                return To(fn(*alive, std::forward<A>(a)...));
            }
        };
    }
};

// A variable's value as the binding stores it.
template <typename T>
void Store(T& variable, const Value& v) {
    variable = From<T>(v);
}

}  // namespace action_detail

// A typed closure as an action (see the header's comment).
template <typename F>
Action Do(F fn) {
    using Params = typename action_detail::Signature<F>::Params;
    return Action([fn = std::move(fn)](const Args& args) mutable {
        return action_detail::Invoke(fn, args, std::make_index_sequence<std::tuple_size_v<Params>>{});
    });
}

// A typed closure over shared state, held weakly: the action never keeps the state
// alive, and once the state is gone it runs nothing and yields otherwise.
template <typename S, typename F>
Action Do(const std::shared_ptr<S>& state, F fn, Value otherwise = {}) {
    using Params = typename action_detail::Signature<F>::Params;
    return Do(action_detail::OnState<S, F, Params>::Closure(state, std::move(fn), std::move(otherwise)));
}

// An action that always yields this value.
inline Action Constant(Value value) {
    return Action([value = std::move(value)](const Args&) { return value; });
}
inline Action Constant(const char* text) { return Constant(Value(std::string(text))); }

// A binding to a variable that outlives the action.
template <typename T>
Action Bind(T& variable) {
    return Action([&variable](const Args& args) {
        if (!args.empty()) action_detail::Store(variable, args[0]);
        return action_detail::To(variable);
    });
}

// A binding to a member of shared state, held weakly: the action never keeps the
// state alive, and once the state is gone it yields absent.
template <typename S, typename T>
Action Bind(const std::shared_ptr<S>& state, T S::*member) {
    std::weak_ptr<S> weak = state;
    return Action([weak, member](const Args& args) -> Value {
        auto alive = weak.lock();
        if (!alive) return Value();
        if (!args.empty()) action_detail::Store((*alive).*member, args[0]);
        return action_detail::To((*alive).*member);
    });
}

}  // namespace pixa
