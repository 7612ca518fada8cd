// The audio player's model built from a "Menu\cda.dat".
#include <cstddef>
#include <cstdint>
#include <string>

#include "audio/player_config.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ConfigDocument document;
    if (document.ParseText(std::string(reinterpret_cast<const char*>(data), size)) != 0)
        __builtin_trap();
    const PlayerConfig config = ReadPlayerConfig(document);
    for (const PlayerButton& button : config.buttons) {
        if (button.controlId < player_id::kClose || button.controlId > player_id::kStop) {
            __builtin_trap();
        }
    }
    return 0;
}
