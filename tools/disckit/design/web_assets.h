#pragma once

#include <span>
#include <string_view>

// A file of the designer's page, built into the program.
struct WebAsset {
    std::string_view name;
    std::string_view bytes;
};

std::span<const WebAsset> WebAssets();
