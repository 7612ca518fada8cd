#include "config/config_document.h"

#include <new>
#include <optional>
#include <utility>

#include "config/byte_units.h"
#include "config/config_grammar.h"
#include "config/file_handle.h"
#include "config/text_file.h"

int ConfigDocument::LoadText(const std::string& path) {
    std::optional<std::string> text = ReadTextFile(path);
    return text ? ParseText(std::move(*text)) : -1;
}

int ConfigDocument::ParseText(std::string text) {
    try {
        EndLinesWithLf(text);
        Adopt(std::move(text));
        return 0;
    } catch (const std::bad_alloc&) {
        return -1;
    }
}

int ConfigDocument::LoadBinary(const std::string& path) {
    const std::optional<std::string> units = ReadFileBytes(path);
    return units ? ParseBinary(*units) : -1;
}

int ConfigDocument::ParseBinary(std::string_view units) {
    try {
        Adopt(DecodeByteUnits(units));
        return 0;
    } catch (const std::bad_alloc&) {
        return -1;
    }
}

int ConfigDocument::SaveBinary(const std::string& path) const {
    UniqueFile file = OpenFile(path, "wb");
    if (!file) return -1;
    const bool written = WriteAll(file.get(), ByteWiseForm());
    return std::fclose(file.release()) == 0 && written ? 0 : -1;
}

std::string ConfigDocument::ByteWiseForm() const { return EncodeByteUnits(text_); }

unsigned ConfigDocument::ElementCount() const { return static_cast<unsigned>(elements_.size()); }

void ConfigDocument::GetElement(unsigned index, ConfigElement& element) const {
    if (index < elements_.size()) element = elements_[index];
}

void ConfigDocument::FindElement(std::string_view name, ConfigElement& element) const {
    for (auto it = elements_.rbegin(); it != elements_.rend(); ++it) {
        if (it->Name() == name) {
            element = *it;
            return;
        }
    }
}

// A text without any complete element keeps the elements of an earlier load. Only the
// parse can fail, before anything of the document has changed.
void ConfigDocument::Adopt(std::string text) {
    std::vector<ConfigElement> parsed = ParseElements(text);
    text_ = std::move(text);
    if (!parsed.empty()) elements_ = std::move(parsed);
}
