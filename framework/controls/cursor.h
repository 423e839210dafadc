#pragma once
// Mouse cursors: a predefined one (the platform's, or the framework's own hand,
// stop and drag cursors, each built once and shared) or one from the program's
// cursor resources.
#include <windows.h>

#include <memory>
#include <string>

#include "framework/window/window_resources.h"
#include "runtime/value.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

class TCursor;
using CursorRef = std::shared_ptr<TCursor>;

class TCursor : public Object, public WindowCursor {
public:
    // The construction arguments, in their positional order.
    struct Params {
        std::string cResName{};  // a cursor resource of the program
        std::string cPredef{};   // a predefined cursor name; wins when given
    };

    // ======== not to be overridden ========
    // A cursor object; an unknown predefined name shows a message box and leaves hCursor empty.
    static CursorRef New(const Params& params);
    // The platform cursor id for a predefined name (0 for the framework's own and unknown names).
    static int PredefinedId(const std::string& name);

    TCursor(const TCursor&) = delete;
    TCursor& operator=(const TCursor&) = delete;
    ~TCursor() override;

    // ======== may be overridden ========
    std::string ClassName() const override { return "TCURSOR"; }
    // Destroys a cursor loaded from resources; predefined cursors stay.
    void End() override;
    // The platform cursor, or null.
    HCURSOR CursorHandle() const override { return hCursor; }

    // ======== not to be overridden ========

    HCURSOR hCursor = nullptr;  // the platform cursor
    bool lPredef = false;       // shared cursor of the platform or framework, never destroyed

private:
    TCursor() = default;
};

// The framework's shared hand cursor (the platform's when it has one).
HCURSOR HandCursor();
// The framework's shared stop cursor.
HCURSOR StopCursor();
// The framework's shared drag cursor.
HCURSOR DragCursor();

}  // namespace pixa::controls
