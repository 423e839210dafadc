#pragma once
// Brackets around application actions, closed on every path: an action may throw,
// and the exception then travels up to the window procedure, past the code that
// would otherwise undo what was set before the action ran.
#include <exception>
#include <utility>

namespace pixa::window {

class TWindow;

// Sets a flag (processing, validating) for as long as the scope lives.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

// BeginPaint on construction, EndPaint however the scope ends.
class PaintScope {
public:
    explicit PaintScope(TWindow& window);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

private:
    TWindow& window_;
};

// Runs steps that must all run even when one of them throws (binding every control
// of a dialog); the first failure is raised again once the caller is done.
class FirstFailure {
public:
    template <typename F>
    void Run(F&& step) {
        try {
            std::forward<F>(step)();
        } catch (...) {
            if (!failure_) failure_ = std::current_exception();
        }
    }
    // Throws the first failure caught, if any.
    void Rethrow() const {
        if (failure_) std::rethrow_exception(failure_);
    }

private:
    std::exception_ptr failure_;
};

}  // namespace pixa::window
