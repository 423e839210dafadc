#include "tests/release/help_viewer_reader.h"
#include "tests/support/layers.h"

#include <chrono>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

namespace pixa::test {

// A path of the build machine as Wine sees it.
std::string WinePath(std::string unixPath) {
    for (char& c : unixPath)
        if (c == '/') c = '\\';
    return "Z:" + unixPath;
}

std::string Ansi(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    std::string ansi(wide.size() * 2, '\0');
    ansi.resize(WideCharToMultiByte(1252, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(),
                                    static_cast<int>(ansi.size()), nullptr, nullptr));
    return ansi;
}

std::string SourceText() {
    std::ifstream in(PIXA_HELP_SOURCE);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Chapter keyword -> chapter title (Windows-1252), as the help source declares them.
std::map<std::string, std::string> SourceChapters() {
    std::string source = SourceText();
    std::map<std::string, std::string> chapters;
    static const std::regex chapter(R"(\n\\C\{(\w+)\} ([^\n]+))");
    for (auto it = std::sregex_iterator(source.begin(), source.end(), chapter); it != std::sregex_iterator(); ++it)
        chapters[(*it)[1]] = Ansi((*it)[2]);
    return chapters;
}

namespace {

// The text of another process's window (GetWindowText reads only its caption).
std::string TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             2000, &copied))
        return {};
    text.resize(copied);
    return text;
}

}  // namespace

// The text the viewer shows, once it contains want (empty after 30 s without it).
std::string ViewerTextWith(const std::string& want) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        for (HWND viewer = nullptr; (viewer = FindWindowExA(nullptr, viewer, "MS_WINHELP", nullptr));) {
            if (HWND text = FindWindowExA(viewer, nullptr, "RichEdit20A", nullptr)) {
                std::string shown = TextOf(text);
                if (shown.find(want) != std::string::npos) return shown;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return {};
}

void CloseViewer(const std::string& helpFile) {
    WinHelpA(nullptr, helpFile.c_str(), HELP_QUIT, 0);
    for (int i = 0; i < 50 && FindWindowA("MS_WINHELP", nullptr); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

}  // namespace pixa::test
