#pragma once

#include "image.h"
#include "rect.h"

// The card that shows the selected application: its title field, screenshot field and
// description field.
struct InfoCard {
    Rect card;
    Rect title;
    Rect screen;
    Rect description;
    // Backgrounds of the two text fields, as the menu files give them.
    Rgba title_field;
    Rgba description_field;
};

// The card with a framed, dark screenshot field and the two text fields filled.
void paint_info_card(Image& image, const InfoCard& info);
