#include "platform/profile.h"

#include <windows.h>

namespace pixa::platform {

std::string ReadIniValue(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& fallback) {
    // One byte more than the longest value for the terminating zero: the API cuts what does not fit.
    std::string buffer(kProfileValueMax + 1, '\0');
    DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                            static_cast<DWORD>(buffer.size()), file.c_str());
    buffer.resize(std::min<std::size_t>(length, kProfileValueMax));
    return buffer;
}

bool WriteIniValue(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

}  // namespace pixa::platform
