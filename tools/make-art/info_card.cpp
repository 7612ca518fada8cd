#include "info_card.h"

#include "card.h"
#include "fill.h"

void paint_info_card(Image& image, const InfoCard& info) {
    paint_card(image, info.card);
    const Rect& title = info.title;
    paint_outline(image, title, Rgba{214, 176, 90}, 4);
    fill(image, rectangle(title.x, title.y, title.width, title.height), info.title_field);

    const Rect& screen = info.screen;
    fill(image,
         rounded_rectangle(screen.x - 4, screen.y - 4, screen.width + 8, screen.height + 8, 6),
         Rgba{24, 26, 38});
    fill(image, rectangle(screen.x, screen.y, screen.width, screen.height),
         vertical_gradient(Rgba{44, 48, 70}, Rgba{22, 24, 36}, screen.y, screen.bottom()));

    const Rect& description = info.description;
    paint_outline(image, description, kCardEdge, 4);
    fill(image, rectangle(description.x, description.y, description.width, description.height),
         info.description_field);
}
