#pragma once

#include "button_strip.h"

// A button that is a picture: the picture as it is, lighter under the mouse, darker when
// pressed. The picture is laid over the frame's backdrop by its alpha.
FramePainter picture_button(Image picture);
