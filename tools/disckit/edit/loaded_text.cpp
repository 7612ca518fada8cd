#include "loaded_text.h"

#include <algorithm>

#include "config/text_file.h"

LoadedText::LoadedText(std::string_view file) {
    const std::string_view read = file.substr(0, std::min(file.find(kTextModeEnd), file.size()));
    text_.reserve(read.size() + 1);
    for (size_t i = 0; i < read.size(); ++i) {
        if (read[i] == '\r' && i + 1 < read.size() && read[i + 1] == '\n') {
            droppedBefore_.push_back(text_.size());
            continue;
        }
        text_ += read[i];
    }
    crlf_ = !droppedBefore_.empty();
}

size_t LoadedText::FileOffset(size_t offset) const {
    return offset + static_cast<size_t>(
                        std::lower_bound(droppedBefore_.begin(), droppedBefore_.end(), offset) -
                        droppedBefore_.begin());
}
