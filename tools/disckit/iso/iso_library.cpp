#include "iso_library.h"

IsoLibrary::IsoLibrary() {
    const int result = iso_init();
    if (result < 0) {
        problem_ = "cannot set up libisofs: " + IsoErrorText(result);
        return;
    }
    iso_set_msgs_severities(const_cast<char*>("NEVER"), const_cast<char*>("SORRY"),
                            const_cast<char*>("disckit: "));
    iso_set_local_charset(const_cast<char*>("UTF-8"), 0);
}

IsoLibrary::~IsoLibrary() {
    if (problem_.empty()) iso_finish();
}

std::string IsoErrorText(int code) {
    const char* text = iso_error_to_msg(code);
    return std::string(text ? text : "unknown error") + " (" + std::to_string(code) + ")";
}
