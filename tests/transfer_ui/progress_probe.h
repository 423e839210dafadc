#pragma once
// Watches a running transfer from inside its thread: every text the progress
// dialog's action line gets, with the meter's value at that moment, and an action
// run once when the line announces a given file.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/layers.h"

namespace pixa::test {

class ProgressProbe {
public:
    // One action line text and the meter's value when it was set.
    struct Line {
        std::string text;
        double meter;
    };
    ProgressProbe();
    ~ProgressProbe();
    ProgressProbe(const ProgressProbe&) = delete;
    ProgressProbe& operator=(const ProgressProbe&) = delete;

    // Runs action (with the progress dialog) once, when the line reads "Kopieren: " + file.
    void OnCopying(const std::string& file, std::function<void(HWND progress)> action);
    // Runs action once, when a line begins with start.
    void OnLine(const std::string& start, std::function<void(HWND progress)> action);

    std::vector<Line> lines;  // in order

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    void Seen(HWND label, const std::string& text);
    HHOOK hook_ = nullptr;
    std::string trigger_;
    std::function<void(HWND)> action_;
};

}  // namespace pixa::test
