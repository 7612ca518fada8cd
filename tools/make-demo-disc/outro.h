#pragma once

#include "image.h"

// The closing picture: the disc's emblem and name on the night sky.
Image draw_outro();
