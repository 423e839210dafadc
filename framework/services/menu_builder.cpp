#include "framework/services/menu_builder.h"

#include <utility>
#include <vector>

#include "framework/window/window.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
struct OpenMenu {
    std::shared_ptr<TMenu> menu;
    std::vector<std::shared_ptr<TMenuItem>> pending;
};
struct BuildState {
    std::vector<OpenMenu> stack;
    std::shared_ptr<TAccTable> accelerators;  // of the tree being built, made on first use
};
BuildState& Build() {
    static BuildState state;
    return state;
}
}  // namespace

std::shared_ptr<TMenu> MenuBegin(bool lPopup, bool lSystem, const std::shared_ptr<TWindow>& oWnd) {
    auto& build = Build();
    std::shared_ptr<TMenu> menu =
        lSystem ? TMenu::NewSys(oWnd) : TMenu::New(lPopup, nullptr, !build.stack.empty());
    build.stack.push_back({menu, {}});
    return menu;
}

std::shared_ptr<TMenuItem> MenuAddItem(const MenuAddItemArgs& a) {
    auto item = TMenuItem::New({.cPrompt = a.cPrompt, .cMsg = a.cMsg, .lChecked = a.lChecked, .lActive = a.lActive,
                                .bAction = a.bBlock.IsAbsent() ? a.bAction : a.bBlock, .cBmpFile = a.cBmpFile,
                                .cResName = a.cResName, .nVKState = a.nVKState, .nVirtKey = a.nVirtKey,
                                .lHelp = a.lHelp, .nHelpId = a.nHelpId, .bWhen = a.bWhen, .lBreak = a.lBreak});
    auto& build = Build();
    if (a.nVirtKey) {
        if (!build.accelerators) build.accelerators = std::make_shared<TAccTable>();
        build.accelerators->Add(a.nVKState, a.nVirtKey, static_cast<WORD>(item->nId));
    }
    if (!build.stack.empty()) build.stack.back().pending.push_back(item);
    return item;
}

std::shared_ptr<TMenu> MenuEnd() {
    auto& build = Build();
    if (build.stack.empty()) return nullptr;
    OpenMenu closed = std::move(build.stack.back());
    build.stack.pop_back();
    bool root = build.stack.empty() && !closed.menu->lPopup;
    for (const auto& item : closed.pending) closed.menu->Add(item, root);
    if (!build.stack.empty()) {
        // The entry added just before MenuBegin opens this menu.
        auto& enclosing = build.stack.back().pending;
        if (!enclosing.empty()) enclosing.back()->bAction = Value(closed.menu);
    } else if (build.accelerators) {
        closed.menu->oAccTable = std::exchange(build.accelerators, nullptr);
        closed.menu->oAccTable->Activate();
    }
    return closed.menu;
}

}  // namespace pixa::services
