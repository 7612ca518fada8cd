#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

// The bytes of a JPEG file holding frames side by side, each frameWidth x height and of one
// solid colour; one frame makes a plain picture.
std::string JpegStrip(int frameWidth, int height, std::initializer_list<COLORREF> frames);
