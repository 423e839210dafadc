#include "framework/window/action_answer.h"

namespace pixa {

Value Handle(const void* handle) { return Value(static_cast<long long>(reinterpret_cast<INT_PTR>(handle))); }

MsgResult AnswerOf(const Value& answer) {
    if (answer.IsAbsent()) return std::nullopt;
    return answer.IsNumber() ? static_cast<LRESULT>(answer.AsInteger()) : 0;
}

bool Affirmative(const Value& answer) { return answer.IsAbsent() || answer.AsLogical(); }

bool Refuses(const Value& answer) { return answer.IsLogical() && !answer.AsLogical(); }

bool Confirms(const Value& answer) { return answer.IsLogical() && answer.AsLogical(); }

}  // namespace pixa
