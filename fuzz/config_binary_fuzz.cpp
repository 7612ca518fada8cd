// The configuration loader, byte-wise form (.bin): what it reads is saved and read back alike.
#include <cstddef>
#include <cstdint>

#include "config/config_document.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ConfigDocument document;
    const std::string path = WriteFuzzFile("menu.bin", data, size);
    if (document.LoadBinary(path) != 0) __builtin_trap();

    ConfigDocument again;
    if (document.SaveBinary(path) != 0 || again.LoadBinary(path) != 0) __builtin_trap();
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
