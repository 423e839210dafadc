#include "app/shell/public_binding.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

Action BindText(std::string& value) {
    return Action([&value](const Args& args) {
        if (!args.empty()) value = args[0].IsString() ? args[0].AsString() : std::string();
        return Value(value);
    });
}

Action BindLogical(bool& value) {
    return Action([&value](const Args& args) {
        if (!args.empty()) value = args[0].AsLogical();
        return Value(value);
    });
}

Action BindNumber(long& value) {
    return Action([&value](const Args& args) {
        if (!args.empty()) value = static_cast<long>(args[0].AsInteger());
        return Value(value);
    });
}

}  // namespace pixa::shell
