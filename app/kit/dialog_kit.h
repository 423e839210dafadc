#pragma once
// Building one of the program's dialogs and reaching the state its actions share.
//
// Lifetime: the dialog owns its state (the kit keeps it in the dialog's Cargo), and the
// state reaches its dialog back only weakly, so neither keeps the other alive in a
// ring. Every action the kit makes holds the state (or the dialog) weakly and runs
// only while it lives: an action called after its dialog is gone runs nothing and
// yields absent, or the fallback given. While the state lives, so does its dialog.
//
//   kit::StateKit<MyState> ui({.nBottom = 200, .nRight = 300, .cCaption = "..."}, state);
//   ui.Add<TButton>({.nRow = 5, .nCol = 5, .cCaption = "&OK", .bAction = ui.Ends(1)}, "Tooltip");
//   ui.Label(20, 5, 80, 10, "Text", {.align = kit::Align::Right});
//   .bAction = ui.On([](MyState& s) { ... })
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

#include "framework/window/dialog.h"
#include "framework/window/font.h"
#include "runtime/actions.h"
#include "app/kit/namespace.h"

namespace pixa::controls {
class TSay;
}

namespace pixa::kit {

enum class Align { Left, Centred, Right };

// How a label shows its text beyond its box.
struct LabelLook {
    Align align = Align::Left;
    FontRef font{};          // the dialog's when empty
    ColourArg colour{};      // the dialog's when empty
    std::string picture{};   // display format of a value
};

// The creation arguments of a control class, as its New takes them.
template <typename F>
struct ArgsOf;
template <typename R, typename A>
struct ArgsOf<R (*)(const A&)> {
    using Type = A;
};
template <typename T>
using NewArgs = typename ArgsOf<decltype(&T::New)>::Type;

// The controls of one dialog, all placed on it in pixels.
class DialogKit {
public:
    // The dialog is made here, in pixels.
    explicit DialogKit(DialogNew args);

    const std::shared_ptr<TDialog>& Dialog() const { return dialog_; }

    // A control of any class on the dialog; a tooltip when one is given (for a window).
    template <typename T>
    std::shared_ptr<T> Add(NewArgs<T> args, const std::string& tip = {}) const {
        args.oWnd = dialog_;
        args.lPixel = true;
        auto control = T::New(args);
        if constexpr (requires { control->cToolTip; }) {
            if (!tip.empty()) control->cToolTip = Value(tip);
        }
        return control;
    }

    // A label of fixed text, or of what the action yields.
    std::shared_ptr<TSay> Label(int row, int col, int width, int height, const std::string& text,
                                const LabelLook& look = {}) const;
    std::shared_ptr<TSay> Label(int row, int col, int width, int height, Action text, const LabelLook& look = {}) const;

    // Ends the dialog with the result while it is open (2 is what a plain End gives).
    Action Ends(int result) const;

private:
    std::shared_ptr<TDialog> dialog_;
};

// Base of a dialog's shared state.
class DialogState : public Object {
public:
    std::string ClassName() const override { return "DIALOGSTATE"; }
    // The dialog that keeps the state.
    std::shared_ptr<TDialog> Dialog() const { return dialog_.lock(); }

private:
    template <typename S>
    friend class StateKit;
    std::weak_ptr<TDialog> dialog_;
};

// A dialog with its shared state (S derives from DialogState).
template <typename S>
class StateKit : public DialogKit {
public:
    StateKit(DialogNew args, std::shared_ptr<S> state) : DialogKit(std::move(args)), state_(std::move(state)) {
        state_->dialog_ = Dialog();
        Dialog()->Cargo = Value(state_);
    }

    S& State() const { return *state_; }
    const std::shared_ptr<S>& Shared() const { return state_; }

    // An action running fn(state, arguments...) while the state lives; otherwise once it is gone.
    template <typename F>
    Action On(F fn, Value otherwise = {}) const {
        return Do(state_, std::move(fn), std::move(otherwise));
    }

    // The same as a plain callback of the given signature; a gone state yields R().
    template <typename Sig, typename F>
    std::function<Sig> Callback(F fn) const {
        return CallbackOf<Sig>::Make(state_, std::move(fn));
    }

private:
    template <typename Sig>
    struct CallbackOf;
    template <typename R, typename... A>
    struct CallbackOf<R(A...)> {
        template <typename F>
        static std::function<R(A...)> Make(std::weak_ptr<S> weak, F fn) {
            return [weak = std::move(weak), fn = std::move(fn)](A... a) -> R {
                auto alive = weak.lock();
                if (!alive) return R();
                return fn(*alive, std::forward<A>(a)...);
            };
        }
    };

    std::shared_ptr<S> state_;
};

}  // namespace pixa::kit
