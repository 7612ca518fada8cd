#pragma once

// libisofs.h expects the fixed-width integer types and time_t declared before it, and
// declares struct burn_source itself when libburn.h is not used.
#define LIBISOFS_WITHOUT_LIBBURN
#include <cstdint>
#include <ctime>

#include <libisofs/libisofs.h>

#include <memory>
#include <string>

// libisofs set up for the process: messages queued instead of printed, UTF-8 file names.
class IsoLibrary {
public:
    IsoLibrary();
    ~IsoLibrary();
    IsoLibrary(const IsoLibrary&) = delete;
    IsoLibrary& operator=(const IsoLibrary&) = delete;

    // Why setting up failed, or the empty string.
    const std::string& Problem() const { return problem_; }

private:
    std::string problem_;
};

// The library's text for an error code, with the code.
std::string IsoErrorText(int code);

struct IsoImageUnref {
    void operator()(IsoImage* image) const { iso_image_unref(image); }
};
using IsoImagePtr = std::unique_ptr<IsoImage, IsoImageUnref>;

struct IsoWriteOptsFree {
    void operator()(IsoWriteOpts* opts) const { iso_write_opts_free(opts); }
};
using IsoWriteOptsPtr = std::unique_ptr<IsoWriteOpts, IsoWriteOptsFree>;

struct IsoReadOptsFree {
    void operator()(IsoReadOpts* opts) const { iso_read_opts_free(opts); }
};
using IsoReadOptsPtr = std::unique_ptr<IsoReadOpts, IsoReadOptsFree>;

struct IsoDataSourceUnref {
    void operator()(IsoDataSource* source) const { iso_data_source_unref(source); }
};
using IsoDataSourcePtr = std::unique_ptr<IsoDataSource, IsoDataSourceUnref>;

struct IsoDirIterFree {
    void operator()(IsoDirIter* iter) const { iso_dir_iter_free(iter); }
};
using IsoDirIterPtr = std::unique_ptr<IsoDirIter, IsoDirIterFree>;
