#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/config_element.h"

// A configuration file: its loaded text and the elements parsed from it. Readers get copies.
class ConfigDocument {
public:
    // Text form (.dat), read as text mode reads it: up to its first Ctrl-Z. 0 when the file
    // was read, -1 when it could not be opened, was too large or did not fit in memory.
    int LoadText(const std::string& path);
    // The text form from its text as ReadTextFile gives it: cut at Ctrl-Z, line ends as in the
    // file. 0 when parsed, -1 when it did not fit in memory.
    int ParseText(std::string text);
    // Byte-wise form (.bin): one 16-bit little-endian unit per character.
    int LoadBinary(const std::string& path);
    // The byte-wise form from its bytes. 0 when parsed, -1 when it did not fit in memory.
    int ParseBinary(std::string_view units);
    // Writes the loaded text in the byte-wise form. 0 when written, -1 when not created.
    int SaveBinary(const std::string& path) const;
    // The bytes SaveBinary writes.
    std::string ByteWiseForm() const;

    unsigned ElementCount() const;
    // Copies the element at the index; leaves the output as it was past the end.
    void GetElement(unsigned index, ConfigElement& element) const;
    // Copies the last element of that name; leaves the output as it was when there is none.
    void FindElement(std::string_view name, ConfigElement& element) const;

    const std::string& Text() const { return text_; }
    const std::vector<ConfigElement>& Elements() const { return elements_; }

private:
    // Parses the text and keeps both; throws std::bad_alloc with the document unchanged.
    void Adopt(std::string text);

    std::string text_;
    std::vector<ConfigElement> elements_;
};
