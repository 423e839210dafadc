#pragma once
// What a transfer run shows and asks while it works. The progress dialog and the
// message boxes plug in here; tests plug in recording fakes.
#include <string>

#include "app/transfer/namespace.h"

namespace pixa::transfer {

// The progress dialog's action line, meter, message pump and interrupt flag.
class TransferProgress {
public:
    virtual ~TransferProgress() = default;
    // Sets the action line text and repaints it.
    virtual void SetAction(const std::string& text) = 0;
    // Sets the meter's total.
    virtual void SetMeterTotal(int total) = 0;
    // Sets the meter's position (clamped to the total) and repaints it.
    virtual void SetMeterPos(int position) = 0;
    // Lets pending window messages be processed once.
    virtual void Pump() = 0;
    // True once the user asked to interrupt the run.
    virtual bool BreakRequested() const = 0;
};

// Message boxes and the wait cursor.
class TransferPrompts {
public:
    virtual ~TransferPrompts() = default;
    // An information box.
    virtual void Info(const std::string& text, const std::string& title) = 0;
    // A stop box.
    virtual void Stop(const std::string& text, const std::string& title) = 0;
    // A yes/no question with "No" as the default answer; true for "Yes".
    virtual bool NoYes(const std::string& text, const std::string& title) = 0;
    // Shows the wait cursor (true) or the arrow again (false).
    virtual void WaitCursor(bool /*on*/) {}
};

// A progress that shows nothing and is never interrupted.
class SilentProgress : public TransferProgress {
public:
    void SetAction(const std::string&) override {}
    void SetMeterTotal(int) override {}
    void SetMeterPos(int) override {}
    void Pump() override {}
    bool BreakRequested() const override { return false; }
};

}  // namespace pixa::transfer
