#pragma once

#include <map>
#include <optional>
#include <string>

#include "disc_files.h"
#include "raster.h"

// Each picture file decoded once, by the name the description gives it.
class Pictures {
public:
    explicit Pictures(const DiscFiles& disc) : disc_(disc) {}

    // Null for a file that is missing or no picture the menu's loaders read.
    const Raster* Get(const std::string& name);

private:
    std::optional<Raster> Load(const std::string& name) const;

    const DiscFiles& disc_;
    std::map<std::string, std::optional<Raster>> cache_;
};
