#include "framework/window/action_answer.h"

namespace pixa {

MsgResult AnswerOf(const Value& answer) {
    if (answer.IsAbsent()) return std::nullopt;
    return answer.IsNumber() ? static_cast<LRESULT>(answer.AsInteger()) : 0;
}

bool Affirmative(const Value& answer) { return answer.IsAbsent() || answer.AsLogical(); }

bool Refuses(const Value& answer) { return answer.IsLogical() && !answer.AsLogical(); }

}  // namespace pixa
