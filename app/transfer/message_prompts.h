#pragma once
// The transfer's questions and reports as the framework's message boxes.
#include "app/transfer/transfer_ui.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

class MessagePrompts : public TransferPrompts {
public:
    void Info(const std::string& text, const std::string& title) override;
    void Stop(const std::string& text, const std::string& title) override;
    bool NoYes(const std::string& text, const std::string& title) override;
    void WaitCursor(bool on) override;
};

}  // namespace pixa::transfer
