#include "config/text_file.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <stdexcept>
#include <string_view>

#include "config/file_handle.h"

std::optional<std::string> ReadFileBytes(const std::string& path, std::uint64_t limit) {
    const UniqueFile file = OpenFile(path, "rb");
    if (!file) return std::nullopt;

    // The size is only a hint: a file growing meanwhile still stops at the limit.
    size_t expected = 0;
    if (std::fseek(file.get(), 0, SEEK_END) == 0) {
        const long size = std::ftell(file.get());
        if (size > 0 && static_cast<std::uint64_t>(size) > limit) return std::nullopt;
        if (size > 0) expected = static_cast<size_t>(size);
        std::rewind(file.get());
    }
    try {
        std::string bytes(expected, '\0');
        bytes.resize(std::fread(bytes.data(), 1, expected, file.get()));
        char chunk[64 * 1024];
        for (size_t read; (read = std::fread(chunk, 1, sizeof(chunk), file.get())) > 0;) {
            if (bytes.size() + read > limit) return std::nullopt;
            bytes.append(chunk, read);
        }
        return bytes;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    } catch (const std::length_error&) {
        return std::nullopt;
    }
}

std::optional<std::string> ReadTextFile(const std::string& path) {
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (bytes) bytes->resize(std::min(bytes->find(kTextModeEnd), bytes->size()));
    return bytes;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
    const std::optional<std::string> text = ReadTextFile(path);
    if (!text) return std::nullopt;
    try {
        return SplitTextLines(*text);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

// Splits at LF and drops one CR before it, so a CR LF file gives the same lines everywhere.
std::vector<std::string> SplitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

// In place, so a large file needs no second buffer.
void EndLinesWithLf(std::string& text) {
    size_t write = 0;
    size_t read = 0;
    while (read < text.size()) {
        const size_t end = text.find('\n', read);
        if (end == std::string::npos) {
            text.erase(write, read - write);
            text += '\n';
            return;
        }
        const size_t length = end - read - (end > read && text[end - 1] == '\r' ? 1 : 0);
        if (write != read) std::copy_n(text.begin() + read, length, text.begin() + write);
        write += length;
        text[write++] = '\n';
        read = end + 1;
    }
    text.resize(write);
}
