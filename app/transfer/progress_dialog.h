#pragma once
// The progress dialog of a transfer run: it collects the pictures at its first
// paint, lets the user choose them in the selection list, copies them with a
// meter, and can be interrupted between files.
#include <memory>

#include "app/transfer/transfer_values.h"
#include "app/transfer/namespace.h"

namespace pixa::window {
class TDialog;
}  // namespace pixa::window

namespace pixa::transfer {

// Runs one transfer in a modal progress dialog over the owner; camSpace is the
// card's free space in MB that the selection is measured against. Returns true.
bool Transfer(const std::shared_ptr<TDialog>& owner, const TransferValues& values, double camSpace);

}  // namespace pixa::transfer
