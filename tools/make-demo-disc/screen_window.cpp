#include "screen_window.h"

#include "fill.h"

Image screen_window(std::string_view title, Rgba bar, Rgba content) {
    Image image(kScreenWidth, kScreenHeight, content);
    fill(image, rectangle(0, 0, kScreenWidth, kTitleBarHeight),
         vertical_gradient(mix(bar, Rgba{255, 255, 255}, 70), bar, 0, kTitleBarHeight));
    paint_label(image, 6, 5, title, 1, Rgba{255, 255, 255});
    const Rgba dots[] = {{255, 190, 60}, {120, 210, 110}, {240, 90, 80}};
    for (int i = 0; i < 3; ++i) {
        fill(image, circle(kScreenWidth - 38 + 12 * i + 0.5, kTitleBarHeight / 2.0, 4), dots[i]);
    }
    return image;
}
