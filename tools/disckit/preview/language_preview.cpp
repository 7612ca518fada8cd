#include "language_preview.h"

#include "button_draw.h"

std::optional<Raster> RenderLanguageDialog(const LanguageFile& file, Pictures& pictures,
                                           const TextFace& caption) {
    const std::optional<DialogSize> size = ShownSize(file);
    if (!size) return std::nullopt;
    Raster dialog(size->width, size->height, kTextColour);
    const PixelRect inside{1, 1, size->width - 2, size->height - 2};
    FillPixels(dialog, inside, file.background.value_or(0xFFFFFF), inside);
    for (const LanguageButton& button : file.buttons) {
        DrawImageButton(dialog, {button.x, button.y, button.width, button.height}, button.image,
                        button.text, true, false, pictures, caption);
    }
    return dialog;
}
