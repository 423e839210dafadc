#include "platform/profile.h"

#include <windows.h>

#include "platform/wide_path.h"

namespace pixa::platform {

// The file is named by its wide path; section, key and value go through the wide calls
// byte for byte, so a value in carried form is stored and read back unchanged.
std::string ReadIniValue(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& fallback) {
    // One character more than the longest value for the terminating zero: the API cuts what does not fit.
    std::wstring buffer(kProfileValueMax + 1, L'\0');
    DWORD length = GetPrivateProfileStringW(WideText(section).c_str(), WideText(key).c_str(),
                                            WideText(fallback).c_str(), buffer.data(),
                                            static_cast<DWORD>(buffer.size()), WidePath(file).c_str());
    buffer.resize(std::min<std::size_t>(length, kProfileValueMax));
    return NarrowText(buffer);
}

bool WriteIniValue(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) {
    return WritePrivateProfileStringW(WideText(section).c_str(), WideText(key).c_str(), WideText(value).c_str(),
                                      WidePath(file).c_str()) != FALSE;
}

}  // namespace pixa::platform
