#include "framework/window/dialog_template.h"

#include <cstring>

#include "runtime/codepage.h"

namespace pixa::window {

DialogUnits DialogUnits::FromPlatform() {
    LONG units = GetDialogBaseUnits();
    return {LOWORD(units), HIWORD(units)};
}

DialogTemplate::DialogTemplate(const DialogHeader& h) {
    DWord(h.style);
    DWord(0);  // extended style
    Word(static_cast<std::uint16_t>(h.count));
    Word(static_cast<std::uint16_t>(h.x));
    Word(static_cast<std::uint16_t>(h.y));
    Word(static_cast<std::uint16_t>(h.cx));
    Word(static_cast<std::uint16_t>(h.cy));
    Word(0);  // no menu
    Word(0);  // the standard dialog class
    // 22 header bytes + an even-length caption with its terminator end on a 4-byte
    // boundary, so the first item needs no padding.
    std::string caption = h.caption;
    if (caption.size() % 2) caption += ' ';
    Text(caption);
}

void DialogTemplate::Add(const DialogItem& item) {
    AlignTo4();
    DWord(item.style);
    DWord(0);  // extended style
    Word(static_cast<std::uint16_t>(item.x));
    Word(static_cast<std::uint16_t>(item.y));
    Word(static_cast<std::uint16_t>(item.cx));
    Word(static_cast<std::uint16_t>(item.cy));
    Word(static_cast<std::uint16_t>(item.id));
    Text(item.className);
    Text(item.text);
    Word(0);  // no creation data
    AlignTo4();
}

void DialogTemplate::Word(std::uint16_t value) {
    bytes_.push_back(static_cast<char>(value & 0xFF));
    bytes_.push_back(static_cast<char>(value >> 8));
}

void DialogTemplate::DWord(std::uint32_t value) {
    Word(static_cast<std::uint16_t>(value & 0xFFFF));
    Word(static_cast<std::uint16_t>(value >> 16));
}

void DialogTemplate::Text(const std::string& oemText) {
    // Our own code page 850 table, not the machine's OEM page (which may be 437),
    // then Windows-1252 to 16-bit characters.
    std::string ansi = Cp850ToAnsi(oemText);
    if (!ansi.empty()) {
        int length = MultiByteToWideChar(1252, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(length), L'\0');
        MultiByteToWideChar(1252, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), length);
        for (wchar_t c : wide) Word(static_cast<std::uint16_t>(c));
    }
    Word(0);
}

void DialogTemplate::AlignTo4() {
    while (bytes_.size() % 4) bytes_.push_back('\0');
}

PlatformTemplate::PlatformTemplate(const std::string& bytes) : memory_(GlobalAlloc(GMEM_FIXED, bytes.size())) {
    if (memory_) std::memcpy(memory_, bytes.data(), bytes.size());
}

PlatformTemplate::~PlatformTemplate() {
    if (memory_) GlobalFree(memory_);
}

}  // namespace pixa::window
