#include "fuzz_file.h"

#include <string_view>

#include "temp_dir.h"

std::string WriteFuzzFile(const char* name, const uint8_t* data, size_t size) {
    static const TempDir dir;
    return dir.Write(name, std::string_view(reinterpret_cast<const char*>(data), size));
}
