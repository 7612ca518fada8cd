#include "config/colour.h"

#include "config/decimal.h"

std::optional<uint32_t> ReadColour(std::string_view text) {
    const size_t first = text.find(';');
    if (first == std::string_view::npos) return std::nullopt;
    const size_t second = text.find(';', first + 1);
    if (second == std::string_view::npos) return std::nullopt;

    const int parts[] = {ReadDecimal(text.substr(0, first)),
                         ReadDecimal(text.substr(first + 1, second - first - 1)),
                         ReadDecimal(text.substr(second + 1))};
    uint32_t colour = 0;
    for (int i = 0; i < 3; ++i) {
        if (parts[i] == -1) return std::nullopt;
        colour |= (static_cast<uint32_t>(parts[i]) & 0xFF) << (8 * i);
    }
    return colour;
}
