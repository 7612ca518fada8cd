// The configuration loader, text form (.dat), and the element accessors readers use.
#include <cstddef>
#include <cstdint>
#include <string>

#include "config/config_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ConfigDocument document;
    if (document.ParseText(std::string(reinterpret_cast<const char*>(data), size)) != 0)
        __builtin_trap();
    ConfigElement element;
    for (unsigned i = 0; i <= document.ElementCount(); ++i) {
        document.GetElement(i, element);
        for (unsigned j = 0; j <= element.AttributeCount(); ++j) {
            element.AttributeValue(element.AttributeName(j));
        }
    }
    // A lookup by name finds the last element of that name.
    if (document.ElementCount() > 0) {
        const ConfigElement& last = document.Elements().back();
        document.FindElement(last.Name(), element);
        if (element != last) __builtin_trap();
    }
    return 0;
}
