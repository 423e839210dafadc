#include "framework/controls/cursor.h"
#include "framework/controls/namespace.h"

#include <cstring>
#include <vector>

namespace pixa::controls {

namespace {

// A 32 x 32 monochrome cursor from a picture: '#' black, '.' white, ' ' transparent.
HCURSOR BuildCursor(const char* const rows[32], int hotX, int hotY) {
    std::vector<BYTE> andPlane(128, 0xFF), xorPlane(128, 0x00);
    for (int y = 0; y < 32; ++y) {
        const char* row = rows[y];
        int length = static_cast<int>(std::strlen(row));
        for (int x = 0; x < 32 && x < length; ++x) {
            BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
            int at = y * 4 + x / 8;
            if (row[x] == '#') andPlane[at] &= ~bit;
            if (row[x] == '.') {
                andPlane[at] &= ~bit;
                xorPlane[at] |= bit;
            }
        }
    }
    return CreateCursor(GetModuleHandleA(nullptr), hotX, hotY, 32, 32, andPlane.data(), xorPlane.data());
}

const char* const kHand[32] = {
    "     ##",       "    #..#",      "    #..#",      "    #..#",        "    #..#",
    "    #..###",    "    #..#..###", "    #..#..#..##", "### #..#..#..#.#", "#..##........#.#",
    "#...#..........#", " #.............#", "  #............#", "  #...........#", "   #..........#",
    "   #.........#", "    #........#", "    #........#", "    ##########", "", "", "", "", "", "", "", "", "",
    "", "", "", ""};

const char* const kStop[32] = {
    "          ######",   "        ##......##",   "      ##..######..##", "     #..##      ##..#",
    "    #..#          #..#", "   #..#          #...#", "  #..#          #..#..#", "  #.#          #..# #.#",
    " #..#        #..#   #..#", " #.#        #..#     #.#", " #.#       #..#      #.#", " #.#      #..#       #.#",
    " #.#     #..#        #.#", " #.#    #..#         #.#", " #..#  #..#         #..#", "  #.# #..#          #.#",
    "  #..#..#          #..#", "   #...#          #..#", "    #..#          #..#", "     #..##      ##..#",
    "      ##..######..##", "        ##......##", "          ######", "", "", "", "", "", "", "", "", ""};

const char* const kDrag[32] = {
    "#",         "##",         "#.#",        "#..#",       "#...#",      "#....#",     "#.....#",
    "#......#",  "#.......#",  "#........#", "#.....#####", "#..#..#",   "#.# #..#",   "##  #..#",
    "#    #..#", "     #..#",  "      ##  ########", "          #......#", "          #......#",
    "          #......#", "          #......#", "          ########", "", "", "", "", "", "", "", "", "", ""};

struct Predefined {
    const char* name;
    int id;
};

const Predefined kTable[] = {{"ARROW", 32512},    {"IBEAM", 32513},    {"WAIT", 32514},     {"CROSS", 32515},
                             {"UPARROW", 32516},  {"SIZE", 32640},     {"ICON", 32641},     {"SIZENWSE", 32642},
                             {"SIZENESW", 32643}, {"SIZEWE", 32644},   {"SIZENS", 32645}};

}  // namespace

HCURSOR HandCursor() {
    static HCURSOR hand = [] {
        HCURSOR platform = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));
        return platform ? platform : BuildCursor(kHand, 6, 0);
    }();
    return hand;
}

HCURSOR StopCursor() {
    static HCURSOR stop = BuildCursor(kStop, 11, 11);
    return stop;
}

HCURSOR DragCursor() {
    static HCURSOR drag = BuildCursor(kDrag, 0, 0);
    return drag;
}

int TCursor::PredefinedId(const std::string& name) {
    // The name must begin with a whole table entry; the longest such entry wins,
    // so "SIZENS" is not taken for "SIZE".
    int id = 0;
    std::size_t best = 0;
    for (const auto& entry : kTable) {
        std::size_t length = std::strlen(entry.name);
        if (name.compare(0, length, entry.name) == 0 && name.size() >= length && length > best) {
            id = entry.id;
            best = length;
        }
    }
    return id;
}

CursorRef TCursor::New(const Params& params) {
    CursorRef cursor(new TCursor());
    if (params.cPredef.empty()) {
        cursor->hCursor = LoadCursorA(GetModuleHandleA(nullptr), params.cResName.c_str());
        return cursor;
    }
    cursor->lPredef = true;
    if (int id = PredefinedId(params.cPredef))
        cursor->hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(id));
    else if (params.cPredef == "HAND")
        cursor->hCursor = HandCursor();
    else if (params.cPredef == "STOP")
        cursor->hCursor = StopCursor();
    else if (params.cPredef == "DRAG")
        cursor->hCursor = DragCursor();
    else
        MessageBoxA(GetActiveWindow(), "Wrong predefined cursor type!", "Alert", MB_OK | MB_ICONEXCLAMATION);
    return cursor;
}

TCursor::~TCursor() { End(); }

void TCursor::End() {
    if (hCursor && !lPredef) DestroyCursor(hCursor);
    hCursor = nullptr;
}

}  // namespace pixa::controls
