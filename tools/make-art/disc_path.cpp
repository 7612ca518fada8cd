#include "disc_path.h"

#include <algorithm>
#include <string>

#include "bmp_writer.h"
#include "file_output.h"

std::filesystem::path on_disc(const std::filesystem::path& disc, std::string_view name) {
    std::string relative(name);
    std::replace(relative.begin(), relative.end(), '\\', '/');
    return disc / relative;
}

void write_strip(const std::filesystem::path& disc, std::string_view name, const Image& backdrop,
                 const Rect& place, const FramePainter& paint) {
    write_file(on_disc(disc, name), encode_bmp(button_strip(backdrop, place, paint)));
}
