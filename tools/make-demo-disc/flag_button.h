#pragma once

#include "button_strip.h"

// The flags of the language buttons, drawn to any size.
Image union_flag(int width, int height);
Image polish_flag(int width, int height);

// A language button: the flag with a light label in the middle for the caption.
FramePainter flag_button(Image flag);
