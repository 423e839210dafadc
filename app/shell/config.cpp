#include "app/shell/config.h"

#include <cctype>
#include <climits>

#include "app/shell/publics.h"
#include "app/shell/settings_write_failure.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

namespace {

std::string Read(const char* section, const char* key, const std::string& fallback) {
    return platform::ReadIniValue(G().cIniFile, section, key, fallback);
}

}  // namespace

void WriteIni(const char* section, const char* key, const std::string& value) {
    // The program goes on with its values; the user learns once that they will not be kept.
    if (!platform::WriteIniValue(G().cIniFile, section, key, value)) SettingsWriteFailed(G().cIniFile);
}

bool IniLogical(const std::string& text) {
    return !text.empty() && text[0] == '1';
}

long IniNumber(const std::string& text, long fallback, long low, long high) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        if (value > (LLONG_MAX - 9) / 10) return fallback;  // beyond any range: stop before it wraps
        value = value * 10 + (text[i] - '0');
    }
    if (negative) value = -value;
    return value < low || value > high ? fallback : static_cast<long>(value);
}

std::string IniExtension(const std::string& text) {
    std::string extension = text.substr(0, 3);
    extension.resize(3, ' ');
    return extension;
}

std::string IniText(bool value) {
    return value ? "1" : "0";
}

std::string IniText(long value) {
    return std::to_string(value);
}

std::string CurrentProgramPath() {
    return platform::CurrentDirectory();
}

bool LoadPublics() {
    Publics& g = G();
    g.cMyPath = CurrentProgramPath();
    g.cIniFile = g.cMyPath + "\\" + ini::kFile;

    g.cS_Email_M = g.cS_Email = g.cS_WWW_M = g.cS_WWW = "";
    g.nColBH = 9240575;
    g.nColB = 13697023;
    g.nColF = 1;
    g.aDFBeg = {"Canon", "Olympus", "Sony"};
    g.lSimulier = false;
    g.oQuelle = g.oZiel = g.oExtens = g.oSpeicher = g.oSubOrd = g.oDFBeg = g.oSimulier = nullptr;

    g.cRelease = Read(ini::kProject, "Program", "Qor Pixaport");
    g.cRelease += " " + Read(ini::kProject, "Version", "v1.05");

    g.cS_Email_M = Read(ini::kProject, "Email_Menue", "");
    g.cS_Email = Read(ini::kProject, "Email_URL", "");
    g.cS_WWW_M = Read(ini::kProject, "Internet_Menue", "");
    g.cS_WWW = Read(ini::kProject, "Internet_URL", "");

    g.lS_Konvert = IniLogical(Read(ini::kData, "Konvert", "0"));
    g.cExtens = IniExtension(Read(ini::kData, "Extens", ""));
    g.cDFBeg = Read(ini::kData, "Beginn", "Sony");
    g.cQuelle = Read(ini::kData, "Quelle", "");
    g.lSubOrd = IniLogical(Read(ini::kData, "SubOrd", "0"));
    g.cZiel = Read(ini::kData, "Ziel", "");
    g.lPruefen = IniLogical(Read(ini::kData, "Pruefen", "1"));  // checking copies costs a read; it can be switched off
    g.nSpeicher = IniNumber(Read(ini::kData, "Speicher", "8"), 8, 0, kMaxSpeicher);

    WriteIni(ini::kProject, "Product", g.cRelease);
    WriteIni(ini::kProject, "Copyright", kCopyright);
    WriteIni(ini::kProject, "MyPath", g.cMyPath);
    return true;
}

bool GetCoords(long& top, long& left, long& bottom, long& right) {
    top = IniNumber(Read(ini::kWindow, "Top", "0"), 0);
    left = IniNumber(Read(ini::kWindow, "Left", "0"), 0);
    bottom = IniNumber(Read(ini::kWindow, "Bottom", "480"), 480);
    right = IniNumber(Read(ini::kWindow, "Right", "640"), 640);
    return true;
}

bool CheckIni() {
    WriteIni(ini::kData, "Quelle", G().cQuelle);
    WriteIni(ini::kData, "Ziel", G().cZiel);
    return true;
}

}  // namespace pixa::shell
