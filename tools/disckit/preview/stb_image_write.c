// stb_image_write (Debian's libstb-dev) compiled into the tool: the preview's PNG files, on
// Linux compressed by zlib, which is several times faster than stb's own deflate.
#ifdef DISCKIT_PNG_ZLIB
#include <stdlib.h>
#include <zlib.h>

static unsigned char* ZlibCompress(unsigned char* data, int length, int* compressedLength,
                                   int quality) {
    uLongf size = compressBound((uLong)length);
    unsigned char* compressed = malloc(size);
    if (!compressed || compress2(compressed, &size, data, (uLong)length, 3) != Z_OK) {
        free(compressed);
        return NULL;
    }
    *compressedLength = (int)size;
    return compressed;
}
#define STBIW_ZLIB_COMPRESS ZlibCompress
#endif

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"
