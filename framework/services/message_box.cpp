#include "framework/services/message_box.h"

#include "runtime/value_text.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
const char* DefaultTitle(MsgKind kind) {
    switch (kind) {
        case MsgKind::Info: return "Information";
        case MsgKind::Alert: return "Alert";
        case MsgKind::Stop: return "Stop";
        case MsgKind::YesNo:
        case MsgKind::NoYes: return "Select an option";
    }
    return "";
}
}  // namespace

MsgTexts MsgBoxTexts(MsgKind kind, const Args& args) {
    MsgTexts texts;
    // No argument at all is an empty text, not "nil".
    if (!args.empty()) texts.text = MsgValueText(args[0]);
    // An explicitly absent title keeps the default rather than showing "nil".
    bool titled = args.size() == 2 && !args[1].IsAbsent();
    texts.title = titled ? MsgValueText(args[1]) : DefaultTitle(kind);
    return texts;
}

UINT MsgBoxStyle(MsgKind kind) {
    switch (kind) {
        case MsgKind::Info: return MB_OK | MB_ICONINFORMATION;
        case MsgKind::Alert: return MB_OK | MB_ICONEXCLAMATION;
        case MsgKind::Stop: return MB_OK | MB_ICONSTOP;
        case MsgKind::YesNo: return MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1;
        case MsgKind::NoYes: return MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
    }
    return MB_OK;
}

bool MsgBox(MsgKind kind, const Args& args) {
    MsgTexts texts = MsgBoxTexts(kind, args);
    int answer = MessageBoxA(GetActiveWindow(), texts.text.c_str(), texts.title.c_str(), MsgBoxStyle(kind));
    return answer == IDYES;
}

}  // namespace pixa::services
