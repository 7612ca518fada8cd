#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/config_document.h"
#include "picture_cache.h"
#include "raster.h"
#include "text_face.h"

// The state of the main window to draw. Page and application count from 1 within the menu.
struct PreviewState {
    std::string menu;  // empty: the first menu, as the menu starts
    int page = 1;
    std::optional<int> application;  // none: the one the menu and page leave selected
    std::optional<int> hover;        // the control id drawn in its hover frame
};

// The fonts the menu asks for: button captions (bold Arial 14/6), the title field (bold
// Arial 18/7) and the description field (the GUI font).
struct PreviewFonts {
    TextFace caption;
    TextFace title;
    TextFace description;
};

// The main window's client area as start.exe composes and paints it in that state, and where
// its texts went (the boxes of their lines), if asked. Returns nothing when the menu or page
// named does not exist.
std::optional<Raster> RenderMenu(const ConfigDocument& document, const PreviewState& state,
                                 const PreviewFonts& fonts, Pictures& pictures,
                                 std::vector<PixelRect>* texts = nullptr);
