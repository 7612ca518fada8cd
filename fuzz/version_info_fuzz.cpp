// The version file: read, written back with its fields, read again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "config/version_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VersionInfo version;
    version.SetTrace(nullptr);
    if (!version.Parse(std::string_view(reinterpret_cast<const char*>(data), size))) {
        __builtin_trap();
    }

    VersionInfo again;
    again.SetTrace(nullptr);
    if (!again.Parse(version.SavedText())) __builtin_trap();
    // A title ending in CR loses it: the saved line end is LF and CR LF reads as LF.
    if (!version.Title().ends_with('\r') && again.Title() != version.Title()) __builtin_trap();
    if (again.Major() != version.Major() || again.Minor() != version.Minor() ||
        again.Build() != version.Build()) {
        __builtin_trap();
    }
    return 0;
}
