#pragma once
// The standard message boxes. Each is owned by the window active at the call and
// is modal. Arguments are (text, title): the title counts only when exactly two
// arguments are given, otherwise the box's default title applies; a text that is
// not text is shown as its message-box value text (nil, whole number, date, .t./.f.).
//
//   MsgInfo("Fertig.");                       // title "Information"
//   if (MsgNoYes("Alle Bilder löschen?", "Löschen")) ...
#include <windows.h>

#include <string>

#include "runtime/value.h"
#include "framework/services/namespace.h"

namespace pixa::services {

// The five kinds of box: icon, buttons, default button and default title.
enum class MsgKind { Info, Alert, Stop, YesNo, NoYes };

// The text and title a box shows for these arguments (the title rule).
struct MsgTexts {
    std::string text;
    std::string title;
};
MsgTexts MsgBoxTexts(MsgKind kind, const Args& args);
// The platform style bits (icon, buttons, default button) of a kind.
UINT MsgBoxStyle(MsgKind kind);
// Shows a box with these arguments; true when it was answered Yes.
bool MsgBox(MsgKind kind, const Args& args);

// Information box, OK button.
template <typename... A>
void MsgInfo(A&&... a) {
    MsgBox(MsgKind::Info, Args{Value(std::forward<A>(a))...});
}
// Exclamation box, OK button.
template <typename... A>
void MsgAlert(A&&... a) {
    MsgBox(MsgKind::Alert, Args{Value(std::forward<A>(a))...});
}
// Stop (error) box, OK button.
template <typename... A>
void MsgStop(A&&... a) {
    MsgBox(MsgKind::Stop, Args{Value(std::forward<A>(a))...});
}
// Question with Yes (default) and No: true for Yes.
template <typename... A>
bool MsgYesNo(A&&... a) {
    return MsgBox(MsgKind::YesNo, Args{Value(std::forward<A>(a))...});
}
// Question with Yes and No (default): true for Yes.
template <typename... A>
bool MsgNoYes(A&&... a) {
    return MsgBox(MsgKind::NoYes, Args{Value(std::forward<A>(a))...});
}

}  // namespace pixa::services
