// The configuration loader, byte-wise form (.bin): what it reads is saved and read back alike.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "config/config_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ConfigDocument document;
    if (document.ParseBinary(std::string_view(reinterpret_cast<const char*>(data), size)) != 0) {
        __builtin_trap();
    }

    ConfigDocument again;
    if (again.ParseBinary(document.ByteWiseForm()) != 0) __builtin_trap();
    if (again.Text() != document.Text()) __builtin_trap();
    if (again.ElementCount() != document.ElementCount()) __builtin_trap();
    for (unsigned i = 0; i < document.ElementCount(); ++i) {
        if (again.Elements()[i].Name() != document.Elements()[i].Name() ||
            again.Elements()[i].Attributes() != document.Elements()[i].Attributes()) {
            __builtin_trap();
        }
    }
    return 0;
}
