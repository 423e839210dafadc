#include "app/shell/support_links.h"

#include <windows.h>

#include <memory>

#include "app/shell/publics.h"
#include "framework/services/help.h"
#include "framework/services/shell_calls.h"

#include "framework/window/window.h"
#include "runtime/codepage.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

std::string EncodeMailPart(const std::string& text) {
    static const char* kHex = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : text) {
        bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                     c == '.' || c == '_' || c == '~';
        if (plain) {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 15];
        }
    }
    return encoded;
}

std::string MailAddress() {
    const Publics& g = G();
    return "mailto:" + g.cS_Email + "?subject=" + EncodeMailPart(AnsiToUtf8(Cp850ToAnsi(g.cRelease)));
}

void ShowHelpContents() { WinHelp(G().cMyPath + "\\PIXAPORT.HLP"); }

void OpenHomepage() { WinExec("Explorer " + G().cS_WWW, SW_SHOWNORMAL); }

void MailSupport() {
    auto window = std::dynamic_pointer_cast<TWindow>(G().oWnd);
    ShellExecute(window ? GetHWnd32(window->hWnd) : nullptr, std::nullopt, MailAddress(), std::nullopt, "",
                 SW_SHOWNORMAL);
}

}  // namespace pixa::shell
