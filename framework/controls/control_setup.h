#pragma once
// What the controls' New functions take over from their argument structs in the
// same way: a fresh identifier, design mode, refresh and conditions, status text
// and help topic, and colours that default to the parent's or the platform's.
#include <cstdint>
#include <memory>
#include <optional>

#include "framework/window/control.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

// Identifier, design mode (lDrag and lDesign), lUpdate, bWhen and bValid from a New's arguments.
template <typename Args>
void TakeCommonArgs(TControl& control, const Args& a) {
    control.nId = TControl::GetNewId();
    control.lDrag = a.lDesign;
    control.lDesign = a.lDesign;
    control.lUpdate = a.lUpdate;
    control.bWhen = a.bWhen;
    control.bValid = a.bValid;
}

// Status-bar text and help topic from a New's arguments.
template <typename Args>
void TakeHelpArgs(TControl& control, const Args& a) {
    control.cMsg = a.cMsg;
    control.nHelpId = a.nHelpId;
}

// The binding of a control given none: it keeps its own value, starting with this one.
Action OwnBinding(Value initial);

// Text and background colours; each absent one is the parent's (when there is a parent).
void SetParentColors(TControl& control, const std::shared_ptr<TWindow>& parent, std::optional<std::uint32_t> fore,
                     std::optional<std::uint32_t> back, std::shared_ptr<TBrush> brush = {});

// Colours of an input field: absent ones are the platform's window text and window
// colours. Yields the background taken.
std::uint32_t SetFieldColors(TControl& control, std::optional<std::uint32_t> fore, std::optional<std::uint32_t> back);

}  // namespace pixa::controls
