// Stands in for the mail program "Sendlet.exe": records the three keys of the
// profile ".\SENDLET.INI" it finds in its current folder into "SENDLET.OUT".
#include <windows.h>

#include <fstream>
#include <string>

namespace {
std::string Key(const char* key) {
    char value[1024] = "";
    GetPrivateProfileStringA("Main", key, "", value, sizeof value, ".\\SENDLET.INI");
    return value;
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::ofstream out("SENDLET.OUT", std::ios::binary);
    for (const char* key : {"BodyFile", "Address", "Subject"}) out << key << "=" << Key(key) << "\n";
    return 0;
}
