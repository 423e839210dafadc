#pragma once
// The transfer dialog: source and target folders, file type, the card's capacity
// and measured free space, erasing the card, and the start of a transfer run.
#include <memory>

#include "app/transfer/transfer_values.h"
#include "app/transfer/namespace.h"

namespace pixa::window {
class TWindow;
}  // namespace pixa::window

namespace pixa::transfer {

// Opens the dialog modally over the owner and returns when it has closed.
void Konvert(const std::shared_ptr<TWindow>& owner, const TransferValues& values);

}  // namespace pixa::transfer
