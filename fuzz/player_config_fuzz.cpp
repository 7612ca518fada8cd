// The audio player's model built from a "Menu\cda.dat".
#include <cstddef>
#include <cstdint>

#include "audio/player_config.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ConfigDocument document;
    const std::string path = WriteFuzzFile("cda.dat", data, size);
    if (LoadPlayerConfig(document, path, path) == PlayerConfigFile::kNotFound) __builtin_trap();
    const PlayerConfig config = ReadPlayerConfig(document);
    for (const PlayerButton& button : config.buttons) {
        if (button.controlId < player_id::kClose || button.controlId > player_id::kStop) {
            __builtin_trap();
        }
    }
    return 0;
}
