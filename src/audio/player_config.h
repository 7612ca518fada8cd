#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/config_document.h"

// Control ids of the player's buttons.
namespace player_id {
inline constexpr int kClose = 151;
inline constexpr int kStart = 152;
inline constexpr int kStop = 153;
}  // namespace player_id

// An image button of the player, in the dialog's client pixels.
struct PlayerButton {
    std::string caption;
    std::string image;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int controlId = 0;

    bool operator==(const PlayerButton&) const = default;
};

struct StatusRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const StatusRect&) const = default;
};

// What "Menu\cda.dat" says about the player.
struct PlayerConfig {
    int width = 0;
    int height = 0;
    // "cda", "mp3", or anything else for a player that plays nothing.
    std::string mode;
    std::string file;
    // In file order, only those with a known name.
    std::vector<PlayerButton> buttons;
    StatusRect status;
};

// 151, 152 or 153 for "close", "start" and "stop"; 0 for any other name.
int PlayerButtonId(std::string_view name);

// Reads the elements in file order; later `window` and `audio` values overwrite earlier ones.
PlayerConfig ReadPlayerConfig(const ConfigDocument& document);

enum class PlayerConfigFile {
    kLoaded,
    kNotFound,  // neither form could be opened
    kEmpty,     // opened, but without a single element
};

// The text form, or the byte-wise form when the text form cannot be opened.
PlayerConfigFile LoadPlayerConfig(ConfigDocument& document, const std::string& textPath,
                                  const std::string& binaryPath);
