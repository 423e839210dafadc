#pragma once
// A limit on how often a long loop lets pending window messages be processed.
#include <chrono>

#include "app/transfer/namespace.h"

namespace pixa::transfer {

// The copy loop asks for a message pump once per name tried: on a card full of pictures
// that is thousands of times in a row, and each pump is a round trip to the window
// system. A click on "&Unterbrechen" or a repaint needs a pump every few milliseconds
// only, so a progress dialog pumps when Due() says so.
class PumpLimit {
public:
    using Clock = std::chrono::steady_clock;

    explicit PumpLimit(std::chrono::milliseconds interval = std::chrono::milliseconds(10)) : interval_(interval) {}

    // True for the first call and whenever the interval has passed since the last true.
    bool Due() {
        Clock::time_point now = Clock::now();
        if (started_ && now - last_ < interval_) return false;
        started_ = true;
        last_ = now;
        return true;
    }
    // Starts the interval anew from now, as if Due() had just said true.
    void Restart() {
        started_ = true;
        last_ = Clock::now();
    }

private:
    std::chrono::milliseconds interval_;
    Clock::time_point last_{};
    bool started_ = false;
};

}  // namespace pixa::transfer
