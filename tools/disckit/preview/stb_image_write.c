// stb_image_write (Debian's libstb-dev) compiled into the tool: the preview's PNG files.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"
