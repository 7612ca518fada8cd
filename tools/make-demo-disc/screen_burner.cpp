#include <array>
#include <string_view>

#include "fill.h"
#include "icon.h"
#include "image_ops.h"
#include "screen_window.h"
#include "screens.h"

namespace {

constexpr Rgba kInk{40, 50, 70};
constexpr Rgba kTeal{20, 130, 150};

}  // namespace

Image draw_burner_screen() {
    Image image = screen_window("DISC BURNER", kTeal, Rgba{236, 239, 245});
    fill(image, circle(76, 100, 64), Rgba{20, 130, 150, 30});
    composite(image, draw_icon(112), 20, 44);

    paint_label(image, 156, 38, "BURNING", 2, kInk);
    paint_label(image, 156, 64, "64%", 3, kTeal);
    fill(image, rounded_rectangle(156, 100, 152, 16, 8), Rgba{200, 206, 218});
    const Paint stripes = [](int x, int y) {
        return (x + y) / 6 % 2 == 0 ? Rgba{80, 200, 120} : Rgba{60, 176, 100};
    };
    fill(image, rounded_rectangle(156, 100, 97, 16, 8), stripes);
    fill(image, rounded_rectangle(158, 101, 93, 6, 3), Rgba{255, 255, 255, 80});

    constexpr std::array<std::string_view, 4> kFiles{"SETUP.EXE", "README.TXT", "MENU",
                                                     "VERSION.DAT"};
    for (std::size_t i = 0; i < kFiles.size(); ++i) {
        const int y = 130 + 18 * static_cast<int>(i);
        const bool done = i < 2;
        fill(image, rounded_rectangle(156, y, 12, 12, 2),
             done ? Rgba{80, 200, 120} : Rgba{200, 206, 218});
        paint_label(image, 176, y + 2, kFiles[i], 1, done ? kInk : Rgba{130, 136, 150});
    }

    fill(image, rounded_rectangle(236, 210, 76, 22, 11), Rgba{150, 160, 180});
    fill(image, rounded_rectangle(237, 211, 74, 20, 10),
         vertical_gradient(Rgba{255, 255, 255}, Rgba{214, 220, 234}, 211, 231));
    paint_label(image, 250, 217, "CANCEL", 1, kInk);
    paint_label(image, 20, 196, "700 MB", 1, kInk);
    paint_label(image, 20, 210, "SPEED 24X", 1, kInk);
    return image;
}
