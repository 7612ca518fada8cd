#include "disc_buttons.h"

#include "background.h"
#include "bmp_writer.h"
#include "catalogue.h"
#include "disc_files.h"
#include "disc_path.h"
#include "file_output.h"
#include "fill.h"
#include "flag_button.h"
#include "glyphs.h"
#include "icon_button.h"
#include "layout.h"
#include "text_button.h"
#include "theme.h"

namespace {

constexpr Rgba kTileIcon{120, 70, 30};

// A tile: a text button with the application's symbol in a badge at its left end.
FramePainter tile_button(IconPainter icon) {
    return [icon](Image& frame, ButtonState state) {
        paint_text_button(frame, state, {10, 0});
        const double shift = state == ButtonState::pressed ? 1 : 0;
        fill(frame, rounded_rectangle(8, 8 + shift, 34, 34, 8), Rgba{255, 255, 255, 200});
        fill(frame,
             difference(rounded_rectangle(8, 8 + shift, 34, 34, 8),
                        rounded_rectangle(9, 9 + shift, 32, 32, 7)),
             Rgba{112, 126, 172, 160});
        icon(frame, 25, 25 + shift, 26, kTileIcon);
    };
}

void write_window_buttons(const std::filesystem::path& disc, const Image& background) {
    write_strip(disc, disc_files::kClose, background, layout::kClose, close_button());
    write_strip(disc, disc_files::kMinimize, background, layout::kMinimize, minimize_button());
    write_strip(disc, disc_files::kHelp, background, layout::kHelp, help_button());
    write_strip(disc, disc_files::kStar, background, layout::kStar, star_button());
    write_strip(disc, disc_files::kStory, background, layout::kStory,
                icon_button(sized_glyph(paint_notes, 18), false));
}

void write_menu_buttons(const std::filesystem::path& disc, const Image& background) {
    write_strip(disc, disc_files::kCategory, background, layout::kCategories[0],
                text_button({10, 0}));
    write_strip(disc, disc_files::kApplication, background, layout::kApplicationSlot,
                text_button({8, 3}));
    write_strip(disc, disc_files::kPage, background, layout::kPrevious, text_button({8, 0}));
    std::size_t tile = 0;
    for (const Application& app : applications()) {
        if (app.icon != nullptr) {
            write_strip(disc, disc_files::tile(app.id), background, layout::kTiles.at(tile++),
                        tile_button(app.icon));
        }
    }
}

void write_action_buttons(const std::filesystem::path& disc, const Image& background) {
    write_strip(disc, disc_files::kInstall, background, layout::kInstall,
                text_button({10, 0, Rgba{50, 170, 80}}));
    write_strip(disc, disc_files::kRun, background, layout::kInstall,
                text_button({10, 0, Rgba{40, 120, 230}}));
    write_strip(disc, disc_files::kInstruction, background, layout::kInstruction,
                text_button({10, 0, Rgba{130, 80, 220}}));
    write_strip(disc, disc_files::kWww, background, layout::kWww,
                text_button({10, 0, Rgba{20, 160, 180}}));
    write_strip(disc, disc_files::kBuy, background, layout::kBuy,
                text_button({10, 0, Rgba{240, 130, 30}}));
}

void write_language_buttons(const std::filesystem::path& disc) {
    const Image dialog(layout::kLanguageWidth, layout::kLanguageHeight, theme::kLanguageDialog);
    const Rect& english = layout::kLanguageButtons[0];
    const Rect& polish = layout::kLanguageButtons[1];
    write_strip(disc, disc_files::kEnglishFlag, dialog, english,
                flag_button(union_flag(english.width, english.height)));
    write_strip(disc, disc_files::kPolishFlag, dialog, polish,
                flag_button(polish_flag(polish.width, polish.height)));
}

}  // namespace

void write_buttons(const std::filesystem::path& disc) {
    const Image background = draw_background();
    write_window_buttons(disc, background);
    write_menu_buttons(disc, background);
    write_action_buttons(disc, background);
    write_language_buttons(disc);
}
