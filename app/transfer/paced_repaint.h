#pragma once
// Repaints of a display that changes faster than anyone can read it.
#include <chrono>
#include <functional>
#include <memory>

#include "app/transfer/pump_limit.h"
#include "app/transfer/namespace.h"

namespace pixa::services {
class TTimer;
}  // namespace pixa::services
namespace pixa::window {
class TWindow;
}  // namespace pixa::window

namespace pixa::transfer {

// A walk changes the action line and the meter once per folder: thousands of repaints,
// each a round trip to the window system, showing lines nobody can read. Changed()
// repaints at once when the interval has passed since the last repaint; otherwise the
// change waits for a timer tick on the owner, so the last change is always shown.
class PacedRepaint {
public:
    explicit PacedRepaint(std::function<void()> repaint,
                          std::chrono::milliseconds interval = std::chrono::milliseconds(50));
    ~PacedRepaint();
    PacedRepaint(const PacedRepaint&) = delete;
    PacedRepaint& operator=(const PacedRepaint&) = delete;

    // The owner whose timer shows a waiting change; without one every change repaints.
    void SetOwner(const std::shared_ptr<TWindow>& owner);
    // The display changed.
    void Changed();
    // Shows a waiting change now.
    void Flush();
    // True while a change waits for its repaint.
    bool Pending() const { return pending_; }

private:
    void Repaint();

    std::function<void()> repaint_;
    PumpLimit limit_;
    std::chrono::milliseconds interval_;
    std::shared_ptr<TTimer> timer_;
    bool pending_ = false;
};

}  // namespace pixa::transfer
