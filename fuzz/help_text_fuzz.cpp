// The help text reader: every line comes out ended by CR LF.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "dialogs/help_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<std::string> text =
        ParseHelpText(std::string(reinterpret_cast<const char*>(data), size));
    if (!text) __builtin_trap();
    if (!text->empty() && !text->ends_with("\r\n")) __builtin_trap();
    for (size_t i = text->find('\n'); i != std::string::npos; i = text->find('\n', i + 1)) {
        if (i == 0 || (*text)[i - 1] != '\r') __builtin_trap();
    }
    return 0;
}
