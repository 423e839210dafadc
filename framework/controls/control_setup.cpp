#include "framework/controls/control_setup.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

Action OwnBinding(Value initial) {
    auto own = std::make_shared<Value>(std::move(initial));
    return Action([own](const Args& args) {
        if (!args.empty()) *own = args[0];
        return *own;
    });
}

void SetParentColors(TControl& control, const std::shared_ptr<TWindow>& parent, std::optional<std::uint32_t> fore,
                     std::optional<std::uint32_t> back, std::shared_ptr<TBrush> brush) {
    if (parent) {
        if (!fore) fore = parent->nClrText;
        if (!back) back = parent->nClrPane;
    }
    control.SetColor(ColourArg(fore), back, std::move(brush));
}

std::uint32_t SetFieldColors(TControl& control, std::optional<std::uint32_t> fore, std::optional<std::uint32_t> back) {
    std::uint32_t text = fore.value_or(GetSysColor(COLOR_WINDOWTEXT));
    std::uint32_t pane = back.value_or(GetSysColor(COLOR_WINDOW));
    control.SetColor(ColourArg(text), pane);
    return pane;
}

}  // namespace pixa::controls
