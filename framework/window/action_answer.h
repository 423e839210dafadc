#pragma once
// The edge where the application's actions hand their dynamic answers back to
// the framework: each answer is read here, by one rule per kind of question.
#include "framework/window/messages.h"
#include "runtime/value.h"

namespace pixa::window {

// A platform handle as an action receives it: a number.
inline Value Handle(const void* handle) { return Value(static_cast<long long>(reinterpret_cast<INT_PTR>(handle))); }

// An action's answer to a message: absent lets the platform go on, a number is the
// answer, anything else means handled.
inline MsgResult AnswerOf(const Value& answer) {
    if (answer.IsAbsent()) return std::nullopt;
    return answer.IsNumber() ? static_cast<LRESULT>(answer.AsInteger()) : 0;
}

// The action's answer to a message; no action, no answer.
template <typename... A>
MsgResult CallAnswer(const Action& action, A&&... args) {
    return action ? AnswerOf(action.Call(std::forward<A>(args)...)) : MsgResult();
}

// An action's answer to a yes/no question (bWhen, bValid): an absent answer is yes.
inline bool Affirmative(const Value& answer) { return answer.IsAbsent() || answer.AsLogical(); }
// True when an action's answer says no outright (a logical false); any other answer
// lets the framework go on (a menu entry's bWhen, a field's bChange, a dialog's bInit).
inline bool Refuses(const Value& answer) { return answer.IsLogical() && !answer.AsLogical(); }
// True only for a logical true: the answer must agree outright (a field's bChange
// before the focus moves on).
inline bool Confirms(const Value& answer) { return answer.IsLogical() && answer.AsLogical(); }

}  // namespace pixa::window
