#include "text_layout.h"

#include <algorithm>
#include <climits>
#include <vector>

std::string WithoutPrefixes(std::string_view text) {
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            shown += text[i];
        } else if (i + 1 < text.size()) {
            shown += text[++i];
        }
    }
    return shown;
}

PixelRect DrawCentredLine(Raster& target, const TextFace& face, PixelRect area,
                          std::string_view text, std::uint32_t colour) {
    const std::string shown = WithoutPrefixes(text);
    const int width = face.Width(shown);
    // 64 bits: the description's sizes may reach the ends of int.
    const int x = static_cast<int>(std::clamp<long long>(
        area.x + (static_cast<long long>(area.width) - width) / 2, INT_MIN / 2, INT_MAX / 2));
    const int top = static_cast<int>(std::clamp<long long>(
        area.y + (static_cast<long long>(area.height) - face.CellHeight()) / 2, INT_MIN / 2,
        INT_MAX / 2));
    face.Draw(target, x, top + face.Ascent(), shown, colour, area);
    return Intersection({x, top, width, face.CellHeight()}, area);
}

namespace {

// The text's first lines, at most `count`: broken at CR LF or LF, then between words.
std::vector<std::string> WrappedLines(const TextFace& face, std::string_view text, int width,
                                      size_t count) {
    std::vector<std::string> lines;
    size_t begin = 0;
    while (begin <= text.size() && lines.size() < count) {
        size_t end = text.find('\n', begin);
        if (end == std::string_view::npos) end = text.size();
        std::string_view paragraph = text.substr(begin, end - begin);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
        std::string line;
        size_t word = 0;
        while (word <= paragraph.size() && lines.size() < count) {
            size_t space = paragraph.find(' ', word);
            if (space == std::string_view::npos) space = paragraph.size();
            const std::string_view next = paragraph.substr(word, space - word);
            const std::string candidate =
                line.empty() ? std::string(next) : line + " " + std::string(next);
            if (!line.empty() && face.Width(candidate) > width) {
                lines.push_back(line);
                line = std::string(next);
            } else {
                line = candidate;
            }
            word = space + 1;
        }
        lines.push_back(line);
        begin = end + 1;
    }
    return lines;
}

}  // namespace

PixelRect DrawWrapped(Raster& target, const TextFace& face, PixelRect area, std::string_view text,
                      std::uint32_t colour) {
    const size_t visible = static_cast<size_t>(std::max(area.height, 0) / face.CellHeight() + 1);
    int top = area.y;
    int widest = 0;
    const std::vector<std::string> lines =
        WrappedLines(face, WithoutPrefixes(text), area.width, visible);
    for (const std::string& line : lines) {
        face.Draw(target, area.x, top + face.Ascent(), line, colour, area);
        widest = std::max(widest, face.Width(line));
        top += face.CellHeight();
    }
    const long long height = static_cast<long long>(lines.size()) * face.CellHeight();
    return Intersection(
        {area.x, area.y, widest, static_cast<int>(std::min<long long>(height, INT_MAX))}, area);
}
