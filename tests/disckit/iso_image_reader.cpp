#include "iso_image_reader.h"

#include <ctime>
#include <stdexcept>
#include <vector>

#include "iso_library.h"

namespace {

void CheckResult(int result, const std::string& what) {
    if (result < 0) throw std::runtime_error(what + ": " + IsoErrorText(result));
}

std::string ReadStream(IsoStream* stream) {
    CheckResult(iso_stream_open(stream), "open stream");
    std::string content;
    std::vector<char> buffer(4096);
    int read = 0;
    while ((read = iso_stream_read(stream, buffer.data(), buffer.size())) > 0)
        content.append(buffer.data(), static_cast<size_t>(read));
    iso_stream_close(stream);
    CheckResult(read, "read stream");
    return content;
}

void CollectFiles(IsoDir* dir, const std::string& prefix,
                  std::map<std::string, std::string>& files) {
    IsoDirIter* rawIter = nullptr;
    CheckResult(iso_dir_get_children(dir, &rawIter), "list folder");
    const IsoDirIterPtr iter(rawIter);
    IsoNode* node = nullptr;
    while (iso_dir_iter_next(iter.get(), &node) == 1) {
        const std::string path = prefix + iso_node_get_name(node);
        if (ISO_NODE_IS_DIR(node))
            CollectFiles(reinterpret_cast<IsoDir*>(node), path + "/", files);
        else if (ISO_NODE_IS_FILE(node))
            files[path] = ReadStream(iso_file_get_stream(reinterpret_cast<IsoFile*>(node)));
    }
}

IsoImagePtr Import(const std::string& imagePath) {
    IsoImage* rawImage = nullptr;
    CheckResult(iso_image_new("", &rawImage), "new image");
    IsoImagePtr image(rawImage);
    IsoDataSource* rawSource = nullptr;
    CheckResult(iso_data_source_new_from_file(imagePath.c_str(), &rawSource), "open image");
    const IsoDataSourcePtr source(rawSource);
    IsoReadOpts* rawOpts = nullptr;
    CheckResult(iso_read_opts_new(&rawOpts, 0), "read options");
    const IsoReadOptsPtr opts(rawOpts);
    iso_read_opts_set_no_rockridge(opts.get(), 1);
    iso_read_opts_set_preferjoliet(opts.get(), 1);
    CheckResult(iso_image_import(image.get(), source.get(), opts.get(), nullptr), "import image");
    return image;
}

}  // namespace

std::map<std::string, std::string> ReadJolietFiles(const std::string& imagePath) {
    const IsoLibrary library;
    if (!library.Problem().empty()) throw std::runtime_error(library.Problem());
    const IsoImagePtr image = Import(imagePath);
    std::map<std::string, std::string> files;
    CollectFiles(iso_image_get_root(image.get()), "", files);
    return files;
}

std::string ReadVolumeLabel(const std::string& imagePath) {
    const IsoLibrary library;
    if (!library.Problem().empty()) throw std::runtime_error(library.Problem());
    const IsoImagePtr image = Import(imagePath);
    const char* label = iso_image_get_volume_id(image.get());
    return label ? label : "";
}

int64_t ReadVolumeCreationTime(const std::string& imagePath) {
    const IsoLibrary library;
    if (!library.Problem().empty()) throw std::runtime_error(library.Problem());
    const IsoImagePtr image = Import(imagePath);
    char *creation = nullptr, *modification = nullptr, *expiration = nullptr, *effective = nullptr;
    CheckResult(
        iso_image_get_pvd_times(image.get(), &creation, &modification, &expiration, &effective),
        "cannot read the volume's times");
    // YYYYMMDDhhmmsscc, then the offset from UTC in quarters of an hour.
    const std::string text(creation, 16);
    auto field = [&](std::size_t at, std::size_t size) { return std::stoi(text.substr(at, size)); };
    std::tm local{};
    local.tm_year = field(0, 4) - 1900;
    local.tm_mon = field(4, 2) - 1;
    local.tm_mday = field(6, 2);
    local.tm_hour = field(8, 2);
    local.tm_min = field(10, 2);
    local.tm_sec = field(12, 2);
    return static_cast<int64_t>(timegm(&local)) - static_cast<signed char>(creation[16]) * 15 * 60;
}
