#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

// The bytes of a 24-bit .bmp file holding frames side by side, each frameWidth x height and
// of one solid colour.
std::string BitmapStrip(int frameWidth, int height, std::initializer_list<COLORREF> frames);
