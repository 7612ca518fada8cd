#include "button_draw.h"

#include "controls/button_look.h"
#include "text_layout.h"

PixelRect DrawImageButton(Raster& target, PixelRect area, const std::string& image,
                          const std::string& caption, bool enabled, bool hover, Pictures& pictures,
                          const TextFace& face) {
    if (const Raster* strip = pictures.Get(image)) {
        const int sourceX = FrameSourceX(area.width, enabled, ButtonState{hover, false});
        const FramePart part =
            FramePartInStrip(strip->width, strip->height, sourceX, area.width, area.height);
        if (!part.Empty()) {
            CopyPixels(target, area.x, area.y, *strip, sourceX, 0, part.width, part.height);
        }
    }
    return DrawCentredLine(target, face, area, caption, kTextColour);
}
