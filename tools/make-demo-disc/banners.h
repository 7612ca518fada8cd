#pragma once

#include "image.h"

// The animated banner: layout::kAnimatedFrames frames side by side, each a different slide.
Image draw_animated_banner();

// The still banner beside the category list: a disc with a "NEW" sticker.
Image draw_list_banner();

// The link banner that opens the project's web address.
Image draw_link_banner();
