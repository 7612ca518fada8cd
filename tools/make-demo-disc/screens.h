#pragma once

#include "image.h"

// The screenshots of the demo applications, 320 x 240 each.
Image draw_space_screen();
Image draw_road_screen();
Image draw_jumper_screen();
Image draw_blocks_screen();
Image draw_bricks_screen();
Image draw_checkers_screen();
Image draw_paint_screen();
Image draw_music_screen();
Image draw_atlas_screen();
Image draw_burner_screen();
Image draw_commander_screen();
