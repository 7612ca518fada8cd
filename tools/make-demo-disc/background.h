#pragma once

#include "image.h"

// Menu\menumain.jpg: the backdrop of the main window with every area of the menu laid out.
Image draw_background();
