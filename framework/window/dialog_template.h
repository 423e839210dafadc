#pragma once
// The in-memory dialog template: a header record with the caption, then one item
// record per control, little-endian, every item on a 4-byte boundary. Texts are
// given in code page 850 and stored as 16-bit characters.
#include <windows.h>

#include <cstdint>
#include <string>

namespace pixa::window {

// The platform's dialog base units (pixels per 4 horizontal / 8 vertical dialog units).
struct DialogUnits {
    int baseX = 8;   // horizontal base unit
    int baseY = 16;  // vertical base unit
    // The base units of the platform's system font.
    static DialogUnits FromPlatform();

    // Header x/y of a dialog edge relative to its owner's edge, in dialog units.
    int DialogX(int pixels, int ownerLeft) const { return 4 * (pixels - ownerLeft) / baseX; }
    int DialogY(int pixels, int ownerTop) const { return 8 * (pixels - ownerTop) / baseY; }
    // Item x/y of a control edge in control units (two pixels with 8 x 16 base units).
    int ItemX(int units) const { return 8 * units / baseX; }
    int ItemY(int units) const { return 16 * units / baseY; }
};

// The values of the template's header record.
struct DialogHeader {
    DWORD style = 0;       // dialog style
    int count = 0;         // number of items
    int x = 0, y = 0;      // position in dialog units
    int cx = 0, cy = 0;    // client size in dialog units
    std::string caption;   // code page 850
};

// The values of one item record.
struct DialogItem {
    DWORD style = 0;         // control style
    int x = 0, y = 0;        // position in dialog units
    int cx = 0, cy = 0;      // size in dialog units
    int id = 0;              // control identifier
    std::string className;   // platform class ("BUTTON", "STATIC", ...)
    std::string text;        // caption, code page 850
};

class DialogTemplate {
public:
    // Starts a template with its header (caption padded to an even length).
    explicit DialogTemplate(const DialogHeader& header);
    // Appends one item record, starting on a 4-byte boundary.
    void Add(const DialogItem& item);
    // The template bytes.
    const std::string& Bytes() const { return bytes_; }

private:
    void Word(std::uint16_t value);
    void DWord(std::uint32_t value);
    void Text(const std::string& oemText);
    void AlignTo4();

    std::string bytes_;
};

// A copy of template bytes in fixed, DWORD-aligned platform memory; freed with the object.
class PlatformTemplate {
public:
    // Copies the bytes.
    explicit PlatformTemplate(const std::string& bytes);
    ~PlatformTemplate();
    PlatformTemplate(const PlatformTemplate&) = delete;
    PlatformTemplate& operator=(const PlatformTemplate&) = delete;
    // The template for the platform's dialog-creation calls, or null when out of memory.
    LPCDLGTEMPLATEA Get() const { return static_cast<LPCDLGTEMPLATEA>(memory_); }

private:
    HGLOBAL memory_;
};

}  // namespace pixa::window
