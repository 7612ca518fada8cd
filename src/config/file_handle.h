#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

// C stdio rather than file streams: the menu carries no stream or locale code.
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// Null when the file cannot be opened in that fopen mode.
inline UniqueFile OpenFile(const std::string& path, const char* mode) {
    return UniqueFile(std::fopen(path.c_str(), mode));
}

// Writes every byte; false when the stream took fewer.
inline bool WriteAll(std::FILE* file, std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}
