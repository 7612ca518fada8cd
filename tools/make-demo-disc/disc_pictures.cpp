#include "disc_pictures.h"

#include "background.h"
#include "banners.h"
#include "catalogue.h"
#include "disc_files.h"
#include "disc_path.h"
#include "file_output.h"
#include "jpeg_writer.h"
#include "layout.h"
#include "outro.h"
#include "screen_window.h"

namespace {

constexpr int kJpegQuality = 85;
static_assert(layout::kScreen.width == kScreenWidth && layout::kScreen.height == kScreenHeight,
              "screenshots fill the screenshot field exactly");

void write_jpeg(const std::filesystem::path& disc, std::string_view name, const Image& image) {
    write_file(on_disc(disc, name), encode_jpeg(image, kJpegQuality));
}

}  // namespace

void write_pictures(const std::filesystem::path& disc) {
    write_jpeg(disc, disc_files::kBackground, draw_background());
    write_jpeg(disc, disc_files::kAnimatedBanner, draw_animated_banner());
    write_jpeg(disc, disc_files::kListBanner, draw_list_banner());
    write_jpeg(disc, disc_files::kLinkBanner, draw_link_banner());
    write_jpeg(disc, disc_files::kOutro, draw_outro());
    for (const Application& app : applications()) {
        write_jpeg(disc, disc_files::screenshot(app.id), app.draw_screen());
    }
}
