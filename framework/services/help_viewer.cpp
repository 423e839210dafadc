#include "framework/services/help_viewer.h"

#include <htmlhelp.h>

#include <cstdio>
#include <vector>

#include "framework/services/winhelp_file.h"
#include "platform/file_system.h"
#include "platform/handles.h"
#include "platform/wide_path.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {

bool IsKeywordCommand(UINT command) { return command == HELP_KEY || command == HELP_PARTIALKEY; }

std::string KeyOf(UINT command, ULONG_PTR data) {
    if (!IsKeywordCommand(command) || data == 0) return {};
    return reinterpret_cast<const char*>(data);
}

std::string WinHelpPath() {
    char folder[MAX_PATH] = {};
    UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::string(folder) + "\\winhlp32.exe";
}

// The file description of a program's version information, empty without one.
std::string FileDescription(const std::string& path) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<char> info(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, info.data())) return {};
    struct Translation {
        WORD language, codePage;
    }* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        length < sizeof(Translation))
        return {};
    char key[64];
    std::snprintf(key, sizeof key, "\\StringFileInfo\\%04x%04x\\FileDescription", translation->language,
                  translation->codePage);
    char* text = nullptr;
    if (!VerQueryValueA(info.data(), key, reinterpret_cast<void**>(&text), &length) || length == 0) return {};
    return text;
}

std::string FullPath(const std::string& file) { return platform::FullPathOf(file).value_or(file); }

// Wine's viewer opens a topic by its name when started with "-i name file".
// An open viewer is closed first so that help windows do not pile up.
bool StartWineViewerAt(HWND owner, const std::string& helpFile, const std::string& topic) {
    std::string file = platform::EightBitPathOf(FullPath(helpFile));
    if (FindWindowA("MS_WINHELP", nullptr)) WinHelpA(owner, file.c_str(), HELP_QUIT, 0);
    std::string commandLine = "winhlp32.exe -i " + topic + " \"" + file + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        return false;
    platform::KernelHandle process(started.hProcess), thread(started.hThread);
    return true;
}

std::optional<bool> ShowOnWine(HWND owner, const std::string& helpFile, UINT command, ULONG_PTR data) {
    if (!IsKeywordCommand(command)) return std::nullopt;
    std::string key = KeyOf(command, data);
    // A topic name is one word; the viewer shows an empty window for a name it lacks.
    bool oneWord = !key.empty() && key.find_first_of(" \t\"") == std::string::npos;
    if (oneWord && WinHelpFileHasTopic(FullPath(helpFile), key)) return StartWineViewerAt(owner, helpFile, key);
    // Any other search opens the contents, from which the index is one click.
    return WinHelpA(owner, platform::EightBitPathOf(helpFile).c_str(), HELP_FINDER, 0) != FALSE;
}

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// The HTML Help viewer runs inside this process: once loaded, its library stays
// loaded until the process ends, since its windows may outlive any call.
HtmlHelpFunction HtmlHelpEntry() {
    static HtmlHelpFunction entry = [] {
        HMODULE library = LoadLibraryA("hhctrl.ocx");
        return library ? reinterpret_cast<HtmlHelpFunction>(
                             reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpW")))
                       : nullptr;
    }();
    return entry;
}

}  // namespace

HelpViewerKind ChooseHelpViewer(const HelpViewerFacts& facts) {
    if (facts.wine) return HelpViewerKind::WineViewer;
    bool stub = facts.winHelpDescription.find("Stub") != std::string::npos;
    if (facts.winHelpPresent && !stub) return HelpViewerKind::WinHelpViewer;
    return HelpViewerKind::HtmlHelpViewer;
}

HelpViewerFacts ReadHelpViewerFacts() {
    HelpViewerFacts facts;
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    facts.wine = ntdll && GetProcAddress(ntdll, "wine_get_version");
    std::string viewer = WinHelpPath();
    facts.winHelpPresent = !viewer.empty() && GetFileAttributesA(viewer.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (facts.winHelpPresent) facts.winHelpDescription = FileDescription(viewer);
    return facts;
}

HelpViewerKind CurrentHelpViewer() {
    static const HelpViewerKind viewer = ChooseHelpViewer(ReadHelpViewerFacts());
    return viewer;
}

std::string HtmlHelpFileOf(const std::string& helpFile) {
    std::size_t dot = helpFile.find_last_of('.');
    std::size_t slash = helpFile.find_last_of("\\/:");
    bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    std::string stem = hasExtension ? helpFile.substr(0, dot) : helpFile;
    // Keep the name's look: an upper-case extension stays upper case.
    bool upper = hasExtension && dot + 1 < helpFile.size() && IsCharUpperA(helpFile[dot + 1]);
    return stem + (upper ? ".CHM" : ".chm");
}

HtmlHelpRequest HtmlHelpFor(const std::string& helpFile, UINT command, const std::string& key, DWORD_PTR id) {
    HtmlHelpRequest request;
    request.file = HtmlHelpFileOf(helpFile);
    request.command = HH_DISPLAY_TOC;
    switch (command) {
    case HELP_CONTEXT:
    case HELP_CONTEXTPOPUP:
        request.command = HH_HELP_CONTEXT;
        request.id = id;
        break;
    case HELP_QUIT:
        request.command = HH_CLOSE_ALL;
        break;
    case HELP_KEY:
        if (!key.empty()) {
            request.command = HH_DISPLAY_TOPIC;
            request.file += "::/" + key + ".html";
        }
        break;
    case HELP_PARTIALKEY:
        request.command = HH_DISPLAY_INDEX;
        request.keyword = key;
        break;
    default:  // contents, finder and the rest open the contents
        break;
    }
    return request;
}

bool ShowHtmlHelp(HWND owner, const HtmlHelpRequest& request) {
    HtmlHelpFunction htmlHelp = HtmlHelpEntry();
    if (!htmlHelp) return false;
    if (request.command == HH_CLOSE_ALL) {
        htmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
        return true;
    }
    std::wstring file = platform::WidePath(request.file);
    if (request.command == HH_DISPLAY_INDEX) {
        std::wstring keyword = platform::WideText(request.keyword);
        return htmlHelp(owner, file.c_str(), request.command, reinterpret_cast<DWORD_PTR>(keyword.c_str())) != nullptr;
    }
    return htmlHelp(owner, file.c_str(), request.command, request.id) != nullptr;
}

std::optional<bool> ShowHelpElsewhere(HWND owner, const std::string& helpFile, UINT command, ULONG_PTR data) {
    switch (CurrentHelpViewer()) {
    case HelpViewerKind::WinHelpViewer:
        return std::nullopt;
    case HelpViewerKind::WineViewer:
        return ShowOnWine(owner, helpFile, command, data);
    case HelpViewerKind::HtmlHelpViewer:
        break;
    }
    std::string key = KeyOf(command, data);
    return ShowHtmlHelp(owner, HtmlHelpFor(FullPath(helpFile), command, key, IsKeywordCommand(command) ? 0 : data));
}

}  // namespace pixa::services
