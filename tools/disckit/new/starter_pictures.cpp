#include "starter_pictures.h"

#include <string_view>

#include "block_font.h"
#include "card.h"
#include "disc_path.h"
#include "file_output.h"
#include "fill.h"
#include "icon_button.h"
#include "info_card.h"
#include "jpeg_writer.h"
#include "label.h"
#include "starter_config.h"
#include "starter_files.h"
#include "starter_layout.h"
#include "text_button.h"

namespace sl = starter_layout;

namespace {

void write_jpeg(const std::filesystem::path& dir, std::string_view name, const Image& image) {
    write_file(on_disc(dir, name), encode_jpeg(image, kStarterJpegQuality));
}

Image sky(int width, int height) {
    Image image(width, height, sl::kSkyTop);
    fill(image, rectangle(0, 0, width, height),
         vertical_gradient(sl::kSkyTop, sl::kSkyBottom, 0, height));
    return image;
}

void paint_centred_label(Image& image, const Rect& area, std::string_view text, int cell,
                         Rgba colour) {
    paint_label(image, area.x + (area.width - block_font::text_width(text, cell)) / 2,
                area.y + (area.height - block_font::text_height(cell)) / 2, text, cell, colour);
}

Image draw_background() {
    Image image = sky(sl::kWindowWidth, sl::kWindowHeight);
    const Rect& header = sl::kHeader;
    fill(image, rectangle(header.x, header.y, header.width, header.height), Rgba{8, 10, 30, 110});
    fill(image, rectangle(header.x, header.bottom() - 1, header.width, 1), Rgba{255, 196, 64, 170});
    paint_label(image, 16, 16, "MY DISC", 2, Rgba{255, 255, 255});
    paint_card(image, sl::kCategoryCard);
    paint_card(image, sl::kApplicationCard);
    paint_info_card(image, {sl::kInfoCard, sl::kTitle, sl::kScreen, sl::kDescription,
                            sl::kTitleField, sl::kDescriptionField});
    paint_card(image, sl::kActionBar);
    return image;
}

// A screenshot stand-in: the word on a sky, for the author to replace.
Image draw_screenshot(std::string_view word, Rgba accent) {
    Image image = sky(sl::kScreen.width, sl::kScreen.height);
    fill(image, circle(sl::kScreen.width / 2.0, sl::kScreen.height / 2.0, 60), accent);
    paint_centred_label(image, {0, 0, sl::kScreen.width, sl::kScreen.height}, word, 4,
                        Rgba{255, 255, 255});
    return image;
}

void write_window_buttons(const std::filesystem::path& dir, const Image& background) {
    write_strip(dir, starter_files::kClose, background, sl::kClose, close_button());
    write_strip(dir, starter_files::kMinimize, background, sl::kMinimize, minimize_button());
    write_strip(dir, starter_files::kHelp, background, sl::kHelp, help_button());
    write_strip(dir, starter_files::kAbout, background, sl::kAbout, star_button());
}

void write_menu_buttons(const std::filesystem::path& dir, const Image& background) {
    write_strip(dir, starter_files::kCategory, background, sl::kCategories[0],
                text_button({10, 0}));
    write_strip(dir, starter_files::kApplication, background, sl::kApplicationSlot,
                text_button({8, 3}));
    write_strip(dir, starter_files::kInstall, background, sl::kInstall,
                text_button({10, 0, Rgba{50, 170, 80}}));
    write_strip(dir, starter_files::kRun, background, sl::kInstall,
                text_button({10, 0, Rgba{40, 120, 230}}));
    write_strip(dir, starter_files::kInstruction, background, sl::kInstruction,
                text_button({10, 0, Rgba{130, 80, 220}}));
    write_strip(dir, starter_files::kWww, background, sl::kWww,
                text_button({10, 0, Rgba{20, 160, 180}}));
}

void write_language_buttons(const std::filesystem::path& dir,
                            const std::vector<std::string>& languages) {
    for (std::size_t i = 0; i < languages.size(); ++i) {
        write_language_strip(dir, starter_files::language_button(languages[i]), sl::kLanguageDialog,
                             language_button_place(i));
    }
}

}  // namespace

void write_language_strip(const std::filesystem::path& dir, std::string_view name, Rgba dialog,
                          const Rect& place) {
    const Image backdrop(place.x + place.width, place.y + place.height, dialog);
    write_strip(dir, name, backdrop, place, text_button({10, 0}));
}

void write_starter_pictures(const std::filesystem::path& dir,
                            const std::vector<std::string>& languages) {
    const Image background = draw_background();
    write_jpeg(dir, starter_files::kBackground, background);
    write_jpeg(dir, starter_files::kReadmeShot, draw_screenshot("README", Rgba{255, 180, 60, 200}));
    write_jpeg(dir, starter_files::kHelpShot, draw_screenshot("HELP", Rgba{130, 80, 220, 200}));
    write_jpeg(dir, starter_files::kWebShot, draw_screenshot("WWW", Rgba{20, 160, 180, 200}));
    write_window_buttons(dir, background);
    write_menu_buttons(dir, background);
    write_language_buttons(dir, languages);
}
