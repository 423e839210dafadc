#include "app/transfer/selection_menu.h"

#include <string>

#include "framework/services/menu_builder.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {
Value Runs(std::function<void()> fn) {
    return Value(Action([fn = std::move(fn)](const Args&) {
        fn();
        return Value();
    }));
}

void Entry(const std::string& prompt, std::function<void()> fn, Action when = {}) {
    MenuAddItem({.cPrompt = prompt, .bAction = Runs(std::move(fn)), .bWhen = std::move(when)});
}
}  // namespace

void BuildMenu(const std::shared_ptr<TWindow>& window, int nRow, int nCol, const SelectionMenuActions& actions) {
    auto menu = MenuBegin(true);
    auto a = actions;  // each entry keeps its own copy
    Entry("gesamten Ordner &markieren", [a] { a.markRecs(true, 1); });
    Entry("gesamten Ordner &nicht markieren", [a] { a.markRecs(false, 1); });
    Entry("gesamten &Ordner ausblenden", [a] { a.markRecs(false, 0); });
    Entry("&Letzten gelöschten Ordner einblenden", [a] { a.markRecs(true, 0); },
          Action([a](const Args&) { return Value(a.canShowHidden()); }));
    MenuAddItem();
    Entry("diese Datei ma&rkieren", [a] { a.markCurrent(true); });
    Entry("diese Datei nicht mark&ieren", [a] { a.markCurrent(false); });
    MenuAddItem();
    Entry("&Hilfe anzeigen", [a] { a.help(); });
    MenuAddItem();
    Entry("Übertragung &abbrechen", [a] { a.cancel(); });
    MenuEnd();
    menu->Activate(nRow, nCol, window);
}

}  // namespace pixa::transfer
