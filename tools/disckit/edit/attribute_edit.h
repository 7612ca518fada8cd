#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One key set to a value. Windows-1250 bytes; "\n" breaks a line, written as the file ends
// its lines.
struct AttributeChange {
    std::string key;
    std::string value;
};

struct EditedFile {
    std::optional<std::string> bytes;  // the whole file after the edit
    std::string refusal;               // why there are none, for the author
};

// A configuration file's bytes with items of one element (its index among the elements the
// menu reads) set: the first item of a key, the one the menu reads, has its value replaced in
// place; a key the element lacks is added before its "/>". Quotes are added only where a
// value needs them; every other byte stays as it was. Refused when the file cannot hold the
// value or the element, read again, would not give exactly the values asked.
EditedFile SetAttributes(std::string_view file, size_t element,
                         const std::vector<AttributeChange>& changes);
