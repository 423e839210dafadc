#include "app/transfer/paced_repaint.h"

#include "framework/services/timer.h"
#include "framework/window/window.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

PacedRepaint::PacedRepaint(std::function<void()> repaint, std::chrono::milliseconds interval)
    : repaint_(std::move(repaint)), limit_(interval), interval_(interval) {}

PacedRepaint::~PacedRepaint() {
    if (timer_) timer_->End();
}

void PacedRepaint::SetOwner(const std::shared_ptr<TWindow>& owner) {
    if (timer_) timer_->End();
    timer_ = owner && owner->hWnd ? TTimer::New(static_cast<UINT>(interval_.count()), Action([this](const Args&) {
                                                     Flush();
                                                     return Value();
                                                 }),
                                                 owner)
                                  : nullptr;
}

void PacedRepaint::Changed() {
    if (!timer_ || limit_.Due()) {
        Repaint();
        return;
    }
    pending_ = true;
    if (!timer_->lActive) timer_->Activate();
    if (!timer_->lActive) Repaint();  // no timer to be had: show it now rather than never
}

void PacedRepaint::Flush() {
    if (!pending_) return;
    Repaint();
    limit_.Restart();
}

void PacedRepaint::Repaint() {
    pending_ = false;
    if (timer_ && timer_->lActive) timer_->DeActivate();
    repaint_();
}

}  // namespace pixa::transfer
