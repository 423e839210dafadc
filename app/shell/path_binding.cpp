#include "app/shell/path_binding.h"

#include "platform/wide_path.h"
#include "runtime/actions.h"
#include "runtime/value_text.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

Action BindPath(std::string& value) {
    // The raw form: a call without an argument reads, one with any argument stores.
    return Do([&value](const Args& args) {
        std::string shown = platform::ShownPath(value);
        if (args.empty()) return shown;
        const std::string& text = args[0].AsString();
        // The field hands its text back padded to its width: blanks at the end change nothing.
        if (!platform::HasEscapes(value) || TrimRight(text) != TrimRight(shown)) value = text;
        return platform::ShownPath(value);
    });
}

}  // namespace pixa::shell
