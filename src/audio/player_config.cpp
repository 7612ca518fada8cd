#include "audio/player_config.h"

#include <algorithm>
#include <climits>

#include "config/decimal.h"

namespace {

// A far edge that does not wrap when a huge size is configured.
int FarEdge(int start, int size) {
    const long long edge = static_cast<long long>(start) + size;
    return static_cast<int>(std::clamp<long long>(edge, INT_MIN, INT_MAX));
}

void ReadItem(const ConfigElement& element, PlayerConfig& config) {
    std::string type;
    std::string name;
    PlayerButton button;
    for (unsigned i = 0; i < element.AttributeCount(); ++i) {
        const std::string key = element.AttributeName(i);
        const std::string value = element.AttributeValue(key);
        if (key == "type")
            type = value;
        else if (key == "name")
            name = value;
        else if (key == "text")
            button.caption = value;
        else if (key == "image")
            button.image = value;
        else if (key == "width")
            button.width = ReadDecimal(value);
        else if (key == "height")
            button.height = ReadDecimal(value);
        else if (key == "positionX")
            button.x = ReadDecimal(value);
        else if (key == "positionY")
            button.y = ReadDecimal(value);
    }
    if (type == "button") {
        button.controlId = PlayerButtonId(name);
        if (button.controlId != 0) config.buttons.push_back(std::move(button));
    } else if (type == "region" && name == "status") {
        config.status = {button.x, button.y, FarEdge(button.x, button.width),
                         FarEdge(button.y, button.height)};
    }
}

}  // namespace

int PlayerButtonId(std::string_view name) {
    if (name == "close") return player_id::kClose;
    if (name == "start") return player_id::kStart;
    if (name == "stop") return player_id::kStop;
    return 0;
}

PlayerConfig ReadPlayerConfig(const ConfigDocument& document) {
    PlayerConfig config;
    for (const ConfigElement& element : document.Elements()) {
        const std::string name = element.Name();
        if (name == "item") {
            ReadItem(element, config);
            continue;
        }
        for (unsigned i = 0; i < element.AttributeCount(); ++i) {
            const std::string key = element.AttributeName(i);
            if (name == "window" && key == "width") {
                config.width = ReadDecimal(element.AttributeValue(key));
            } else if (name == "window" && key == "height") {
                config.height = ReadDecimal(element.AttributeValue(key));
            } else if (name == "audio" && key == "type") {
                config.mode = element.AttributeValue(key);
            } else if (name == "audio" && key == "file") {
                config.file = element.AttributeValue(key);
            }
        }
    }
    return config;
}

PlayerConfigFile LoadPlayerConfig(ConfigDocument& document, const std::string& textPath,
                                  const std::string& binaryPath) {
    if (document.LoadText(textPath) == -1 && document.LoadBinary(binaryPath) == -1) {
        return PlayerConfigFile::kNotFound;
    }
    return document.ElementCount() == 0 ? PlayerConfigFile::kEmpty : PlayerConfigFile::kLoaded;
}
