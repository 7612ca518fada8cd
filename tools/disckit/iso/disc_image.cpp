#include "disc_image.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <system_error>
#include <vector>

#include "autorun_file.h"
#include "iso_library.h"

namespace fs = std::filesystem;

namespace {

constexpr int kDistributionProfile = 2;  // Rock Ridge and Joliet, recording-time stamps
constexpr int kIsoLevel = 3;             // files of any size
constexpr int kBlock = 2048;

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}

bool RootHas(const fs::path& dir, const std::string& name) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error))
        if (SameNameIgnoringCase(entry.path().filename().string(), name)) return true;
    return false;
}

// The image's new file takes its own copy of the text.
std::string AddTextFile(IsoDir* root, const char* name, const std::string& text) {
    auto* buffer = static_cast<unsigned char*>(std::malloc(text.size()));
    if (!buffer) return "out of memory";
    std::memcpy(buffer, text.data(), text.size());
    IsoStream* stream = nullptr;
    int result = iso_memory_stream_new(buffer, text.size(), &stream);
    if (result < 0) {
        std::free(buffer);
        return IsoErrorText(result);
    }
    // The new file takes over the stream's reference.
    result = iso_tree_add_new_file(root, name, stream, nullptr);
    if (result < 0) {
        iso_stream_unref(stream);
        return IsoErrorText(result);
    }
    return {};
}

struct BurnSourceFree {
    void operator()(burn_source* source) const {
        source->free_data(source);
        std::free(source);
    }
};

std::string WriteImage(burn_source* source, const DiscImageOptions& options) {
    std::ofstream out(options.output, std::ios::binary | std::ios::trunc);
    if (!out) return "cannot create " + options.output.string();
    const auto total = static_cast<uint64_t>(source->get_size(source));
    std::vector<unsigned char> block(kBlock);
    uint64_t written = 0;
    for (;;) {
        const int read = source->read_xt(source, block.data(), kBlock);
        if (read < 0) {
            source->cancel(source);
            return "libisofs stopped writing the image";
        }
        if (read == 0) break;
        if (!out.write(reinterpret_cast<const char*>(block.data()), read)) {
            source->cancel(source);
            return "cannot write " + options.output.string();
        }
        written += static_cast<uint64_t>(read);
        if (options.progress) options.progress(written, total);
        if (read < kBlock) break;
    }
    out.close();
    if (!out) return "cannot write " + options.output.string();
    return {};
}

}  // namespace

bool NeedsStartExe(const fs::path& discDir) { return !RootHas(discDir, "start.exe"); }

std::string WriteDiscImage(const DiscImageOptions& options) {
    std::error_code error;
    if (!fs::is_directory(options.discDir, error))
        return options.discDir.string() + " is not a folder";
    if (const std::string problem = LabelProblem(options.label); !problem.empty()) return problem;
    const bool addExe = NeedsStartExe(options.discDir);
    if (addExe && !fs::is_regular_file(options.exe, error))
        return "the folder has no start.exe and " + (options.exe.empty()
                                                         ? std::string("no program was given")
                                                         : options.exe.string() + " is no file");

    IsoLibrary library;
    if (!library.Problem().empty()) return library.Problem();
    // libisofs takes "now" for the volume and for every file it records.
    time_t now = static_cast<time_t>(options.time.value_or(0));
    iso_nowtime(&now, options.time ? 1 : 2);

    IsoImage* rawImage = nullptr;
    int result = iso_image_new(options.label.c_str(), &rawImage);
    if (result < 0) return IsoErrorText(result);
    const IsoImagePtr image(rawImage);
    iso_image_set_application_id(image.get(), "disckit");
    iso_tree_set_follow_symlinks(image.get(), 1);
    iso_tree_set_ignore_hidden(image.get(), 1);

    IsoDir* root = iso_image_get_root(image.get());
    // libisofs reads absolute paths only.
    const fs::path discDir = fs::absolute(options.discDir);
    result = iso_tree_add_dir_rec(image.get(), root, discDir.c_str());
    if (result < 0) return "cannot read " + options.discDir.string() + ": " + IsoErrorText(result);
    if (addExe) {
        const fs::path exe = fs::absolute(options.exe);
        result = iso_tree_add_new_node(image.get(), root, "start.exe", exe.c_str(), nullptr);
        if (result < 0) return "cannot add " + options.exe.string() + ": " + IsoErrorText(result);
    }
    if (!RootHas(options.discDir, "autorun.inf")) {
        const std::string problem = AddTextFile(root, "autorun.inf", AutorunText(options.label));
        if (!problem.empty()) return "cannot add autorun.inf: " + problem;
    }

    IsoWriteOpts* rawOpts = nullptr;
    result = iso_write_opts_new(&rawOpts, kDistributionProfile);
    if (result < 0) return IsoErrorText(result);
    const IsoWriteOptsPtr opts(rawOpts);
    iso_write_opts_set_iso_level(opts.get(), kIsoLevel);
    iso_write_opts_set_joliet(opts.get(), 1);

    burn_source* rawSource = nullptr;
    result = iso_image_create_burn_source(image.get(), opts.get(), &rawSource);
    if (result < 0) return "cannot lay out the image: " + IsoErrorText(result);
    const std::unique_ptr<burn_source, BurnSourceFree> source(rawSource);
    return WriteImage(source.get(), options);
}
