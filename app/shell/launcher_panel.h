#pragma once
// The launcher panel over the main window's client area: three pictures, four
// hover labels that start the main actions, a hint line that explains the label
// under the mouse, and the optional homepage and e-mail icons.
#include <memory>
#include <string>

#include "app/shell/namespace.h"

namespace pixa::window {
class TDialog;
}

namespace pixa::shell {

// The hint texts of the four action labels, in the labels' order.
std::string TransferHint();
std::string SettingsHint();
std::string HelpHint();
std::string ExitHint();

// Builds and shows the panel on the main window `G().oWnd`. Always true.
bool BuildDlg();

// The panel built last (for the program's tests and screenshots), or null.
std::shared_ptr<TDialog> LauncherPanel();

}  // namespace pixa::shell
