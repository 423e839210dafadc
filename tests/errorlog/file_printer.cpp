#include "tests/errorlog/file_printer.h"
#include "tests/support/layers.h"

#include <windows.h>
#include <winspool.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace pixa::test {

namespace {
constexpr const char* kPrinter = "Pixa File Printer";
constexpr const char* kFailingPrinter = "Pixa Failing Printer";
constexpr const char* kDriver = "Pixa PostScript";

const char* kPpd =
    "*PPD-Adobe: \"4.3\"\n"
    "*FormatVersion: \"4.3\"\n"
    "*FileVersion: \"1.0\"\n"
    "*LanguageVersion: English\n"
    "*LanguageEncoding: ISOLatin1\n"
    "*PCFileName: \"PIXA.PPD\"\n"
    "*Manufacturer: \"Pixa\"\n"
    "*Product: \"(Pixa File Printer)\"\n"
    "*ModelName: \"Pixa File Printer\"\n"
    "*ShortNickName: \"Pixa File Printer\"\n"
    "*NickName: \"Pixa File Printer\"\n"
    "*PSVersion: \"(3010.000) 0\"\n"
    "*LanguageLevel: \"3\"\n"
    "*ColorDevice: False\n"
    "*DefaultColorSpace: Gray\n"
    "*FileSystem: False\n"
    "*Throughput: \"1\"\n"
    "*LandscapeOrientation: Plus90\n"
    "*TTRasterizer: Type42\n"
    "*DefaultResolution: 300dpi\n"
    "*OpenUI *PageSize/Media Size: PickOne\n"
    "*OrderDependency: 10 AnySetup *PageSize\n"
    "*DefaultPageSize: A4\n"
    "*PageSize A4/A4: \"<</PageSize[595 842]/ImagingBBox null>>setpagedevice\"\n"
    "*CloseUI: *PageSize\n"
    "*OpenUI *PageRegion: PickOne\n"
    "*OrderDependency: 10 AnySetup *PageRegion\n"
    "*DefaultPageRegion: A4\n"
    "*PageRegion A4/A4: \"<</PageSize[595 842]/ImagingBBox null>>setpagedevice\"\n"
    "*CloseUI: *PageRegion\n"
    "*DefaultImageableArea: A4\n"
    "*ImageableArea A4/A4: \"18 18 577 824\"\n"
    "*DefaultPaperDimension: A4\n"
    "*PaperDimension A4/A4: \"595 842\"\n";

std::string TempFolder() {
    char path[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, path);
    return path;
}

bool PrinterExists(const char* name) {
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(name), &printer, nullptr)) return false;
    ClosePrinter(printer);
    return true;
}

// PostScript shows each character as a glyph name: "/H glyphshow".
char GlyphChar(const std::string& name) {
    static const std::pair<const char*, char> kNames[] = {
        {"space", ' '}, {"uni00A0", ' '}, {"zero", '0'}, {"one", '1'}, {"two", '2'}, {"three", '3'},
        {"four", '4'}, {"five", '5'}, {"six", '6'}, {"seven", '7'}, {"eight", '8'}, {"nine", '9'},
        {"period", '.'}, {"comma", ','}, {"colon", ':'}, {"hyphen", '-'}, {"equal", '='}, {"slash", '/'},
        {"parenleft", '('}, {"parenright", ')'}, {"bracketleft", '['}, {"bracketright", ']'},
        {"backslash", '\\'}, {"underscore", '_'}, {"percent", '%'}, {"quotedbl", '"'}, {"bar", '|'},
        {"braceleft", '{'}, {"braceright", '}'}, {"ampersand", '&'}, {"asterisk", '*'}, {"plus", '+'},
        {"numbersign", '#'}, {"exclam", '!'}, {"question", '?'}, {"semicolon", ';'}, {"quotesingle", '\''},
        {"less", '<'}, {"greater", '>'}, {"at", '@'}, {"dollar", '$'}};
    if (name.size() == 1) return name[0];
    for (const auto& [n, c] : kNames)
        if (name == n) return c;
    return '?';
}

// Installs a printer of the file driver on a port once per prefix and makes it the default.
void InstallPrinter(const char* name, std::string port) {
    // The driver reads its description from the spooler's driver folder.
    char folder[MAX_PATH] = "";
    DWORD size = 0;
    GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder), sizeof folder, &size);
    std::string ppd = std::string(folder) + "\\3\\pixa-printer.ppd";
    CreateDirectoryA((std::string(folder) + "\\3").c_str(), nullptr);
    std::ofstream(ppd, std::ios::binary) << kPpd;
    if (!PrinterExists(name)) {
        DRIVER_INFO_3A driver{};
        driver.cVersion = 3;
        driver.pName = const_cast<char*>(kDriver);
        driver.pDriverPath = const_cast<char*>("wineps.drv");
        driver.pConfigFile = const_cast<char*>("wineps.drv");
        driver.pDataFile = ppd.data();
        AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES);
        PRINTER_INFO_2A info{};
        info.pPrinterName = const_cast<char*>(name);
        info.pPortName = port.data();
        info.pDriverName = const_cast<char*>(kDriver);
        info.pPrintProcessor = const_cast<char*>("winprint");
        info.pDatatype = const_cast<char*>("RAW");
        HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
        if (printer) ClosePrinter(printer);
    }
    SetDefaultPrinterA(name);
}

void RemovePrinter(const char* name) {
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSA access{nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (!OpenPrinterA(const_cast<char*>(name), &printer, &access)) return;
    DeletePrinter(printer);
    ClosePrinter(printer);
}
}  // namespace

std::string InstallFilePrinter() {
    std::string output = TempFolder() + "pixa-printer.ps";
    InstallPrinter(kPrinter, output);
    return output;
}

void InstallFailingPrinter() { InstallPrinter(kFailingPrinter, TempFolder() + "pixa-no-such-folder\\pixa.ps"); }

void RemoveFilePrinter() {
    RemovePrinter(kPrinter);
    RemovePrinter(kFailingPrinter);
}

PrintedJob ReadPrintedJob(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    PrintedJob job;
    std::string line;
    int lastY = -1;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("%%Title: ", 0) == 0) job.title = line.substr(9);
        if (line.rfind("%%Page: ", 0) == 0) {
            job.pages.emplace_back();
            job.firstX.push_back(-1);
            lastY = -1;
            continue;
        }
        if (job.pages.empty()) continue;
        std::istringstream words(line);
        std::vector<std::string> w{std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
        // "x y moveto" starts a run of text; a new y starts a new line.
        if (w.size() == 3 && w[2] == "moveto") {
            int x = std::stoi(w[0]), y = std::stoi(w[1]);
            if (job.firstX.back() < 0) job.firstX.back() = x;
            if (y != lastY) job.pages.back().emplace_back();
            lastY = y;
        }
        for (std::size_t i = 0; i + 1 < w.size(); ++i)
            if (w[i + 1] == "glyphshow" && w[i].size() > 1 && w[i][0] == '/' && !job.pages.back().empty())
                job.pages.back().back() += GlyphChar(w[i].substr(1));
    }
    return job;
}

}  // namespace pixa::test
