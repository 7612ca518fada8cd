// stb_image (Debian's libstb-dev) compiled into the tool, so the Windows build has it too.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
#include "stb_image.h"
