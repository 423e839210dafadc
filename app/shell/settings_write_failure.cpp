#include "app/shell/settings_write_failure.h"

#include <windows.h>

#include "app/shell/system_error_text.h"
#include "framework/services/message_box.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

void SettingsWriteFailed(const std::string& file) {
    const DWORD code = GetLastError();  // before anything else can change it
    static bool told = false;
    if (told) return;
    told = true;  // set first: the box runs a message loop that may write again
    MsgAlert("Die Einstellungen können nicht gespeichert werden.\r\n\r\nDatei: " + file + "\r\nGrund: " +
                 SystemErrorText(code) + "\r\n\r\nÄnderungen gelten nur bis zum Programmende.",
             "Einstellungen nicht gespeichert");
}

}  // namespace pixa::shell
