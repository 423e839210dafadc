#include "app/shell/path_binding.h"

#include "platform/wide_path.h"
#include "runtime/value_text.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

Action BindPath(std::string& value) {
    return Action([&value](const Args& args) {
        std::string shown = platform::ShownPath(value);
        if (args.empty()) return Value(shown);
        std::string text = args[0].IsString() ? args[0].AsString() : std::string();
        // The field hands its text back padded to its width: blanks at the end change nothing.
        if (!platform::HasEscapes(value) || TrimRight(text) != TrimRight(shown)) value = text;
        return Value(platform::ShownPath(value));
    });
}

}  // namespace pixa::shell
