#pragma once

#include <functional>

#include "button_strip.h"

// A round button that shows a symbol and no caption. `glyph` paints the symbol centred on
// (x, y) in the given colour.
using GlyphPainter = std::function<void(Image& image, double x, double y, Rgba colour)>;

// `warning` buttons turn red under the mouse, the way a close button does.
FramePainter icon_button(GlyphPainter glyph, bool warning);

// A glyph of glyphs.h drawn `size` pixels across.
GlyphPainter sized_glyph(void (*glyph)(Image&, double, double, double, Rgba), double size);

// The round window buttons: close (red under the mouse), minimize, help and about.
FramePainter close_button();
FramePainter minimize_button();
FramePainter help_button();
FramePainter star_button();
