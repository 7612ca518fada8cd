// Compares a disc's preview with a screenshot of start.exe's main window in the same state
// (the state it starts in), writes a difference image and prints the share of identical
// pixels, over the whole window and outside the texts. Exit status 1 below either goal.
//
//   preview_fidelity DISC_DIR SCREENSHOT.png DIFFERENCE.png

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "config_source.h"
#include "dialogs/language_file.h"
#include "disc_files.h"
#include "menu_preview.h"
#include "picture_cache.h"
#include "picture_decode.h"
#include "preview_fonts.h"

namespace {

// Channels may differ this much (JPEG decoders round apart) and count as identical.
constexpr int kTolerance = 12;
// Glyphs may overhang their cells by a pixel.
constexpr int kTextMargin = 1;
constexpr double kGoalWhole = 99.5;
constexpr double kGoalOutsideText = 100.0;

std::optional<Raster> ReadPng(const char* path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    return file ? DecodePicture(bytes) : std::nullopt;
}

bool Alike(std::uint32_t a, std::uint32_t b) {
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 255) - static_cast<int>((b >> shift) & 255)) >
            kTolerance) {
            return false;
        }
    }
    return true;
}

// Identical pixels at a third of their brightness, differing ones red outside texts and
// orange in them.
std::uint32_t Marked(std::uint32_t pixel, bool alike, bool text) {
    if (!alike) return text ? 0x0090FF : 0x0000FF;
    const int grey = (((pixel & 255) + (pixel >> 8 & 255) + (pixel >> 16 & 255)) / 3) / 3 + 170;
    return static_cast<std::uint32_t>(grey * 0x010101);
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "preview_fidelity: %s\n", message.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return Fail("usage: preview_fidelity DISC_DIR SCREENSHOT.png DIFFERENCE.png");
    const DiscFiles disc(argv[1]);
    const std::optional<ConfigSource> languages =
        ConfigSource::Load(disc, "Menu\\lang.dat", "Menu\\lang.bin");
    if (!languages) return Fail("no language list");
    const LanguageFile list = ReadLanguageFile(languages->Document());
    if (list.buttons.empty()) return Fail("no language");
    const std::string name = list.buttons.front().name;
    const std::optional<ConfigSource> menu =
        ConfigSource::Load(disc, "Menu\\" + name + ".dat", "Menu\\" + name + ".bin");
    const std::optional<PreviewFonts> fonts = OpenPreviewFonts();
    if (!menu || !fonts) return Fail("no menu description, or no fonts to draw with");

    Pictures pictures(disc);
    std::vector<PixelRect> texts;
    const std::optional<Raster> preview =
        RenderMenu(menu->Document(), {}, *fonts, pictures, &texts);
    const std::optional<Raster> shot = ReadPng(argv[2]);
    if (!preview || !shot) return Fail("no preview, or an unreadable screenshot");
    if (shot->width != preview->width || shot->height != preview->height) {
        return Fail("the screenshot is " + std::to_string(shot->width) + "x" +
                    std::to_string(shot->height) + ", the preview " +
                    std::to_string(preview->width) + "x" + std::to_string(preview->height));
    }

    std::vector<bool> inText(preview->pixels.size());
    for (const PixelRect& box : texts) {
        for (int y = box.y - kTextMargin; y < box.y + box.height + kTextMargin; ++y) {
            for (int x = box.x - kTextMargin; x < box.x + box.width + kTextMargin; ++x) {
                if (preview->Contains(x, y))
                    inText[static_cast<size_t>(y) * preview->width + x] = true;
            }
        }
    }
    long long identical = 0;
    long long outside = 0;
    long long identicalOutside = 0;
    Raster difference(preview->width, preview->height, 0);
    for (size_t i = 0; i < preview->pixels.size(); ++i) {
        const bool alike = Alike(preview->pixels[i], shot->pixels[i]);
        identical += alike;
        outside += !inText[i];
        identicalOutside += alike && !inText[i];
        difference.pixels[i] = Marked(preview->pixels[i], alike, inText[i]);
    }
    if (!WritePng(difference, argv[3])) return Fail(std::string("cannot write ") + argv[3]);

    const double whole = 100.0 * static_cast<double>(identical) / preview->pixels.size();
    const double outsideText =
        outside ? 100.0 * static_cast<double>(identicalOutside) / outside : 100.0;
    std::printf(
        "%s: %.2f %% of %zu pixels identical (goal %.1f %%); outside texts %.3f %% of %lld "
        "(goal %.0f %%); %lld differ in texts, %lld outside\n",
        argv[1], whole, preview->pixels.size(), kGoalWhole, outsideText, outside, kGoalOutsideText,
        (static_cast<long long>(preview->pixels.size()) - outside) - (identical - identicalOutside),
        outside - identicalOutside);
    return whole >= kGoalWhole && identicalOutside == outside ? 0 : 1;
}
