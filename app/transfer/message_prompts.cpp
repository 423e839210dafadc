#include "app/transfer/message_prompts.h"

#include <windows.h>

#include "framework/services/message_box.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

void MessagePrompts::Info(const std::string& text, const std::string& title) { MsgInfo(text, title); }

void MessagePrompts::Stop(const std::string& text, const std::string& title) { MsgStop(text, title); }

bool MessagePrompts::NoYes(const std::string& text, const std::string& title) { return MsgNoYes(text, title); }

void MessagePrompts::WaitCursor(bool on) { SetCursor(LoadCursorA(nullptr, on ? IDC_WAIT : IDC_ARROW)); }

}  // namespace pixa::transfer
