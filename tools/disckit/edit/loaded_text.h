#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A configuration file's text as the menu reads it (up to Ctrl-Z, CR LF as LF), with the way
// back from its offsets to the file's.
class LoadedText {
public:
    explicit LoadedText(std::string_view file);

    const std::string& Text() const { return text_; }
    bool EndsLinesWithCrLf() const { return crlf_; }
    // The line end new lines of the file take.
    std::string_view LineEnd() const { return crlf_ ? "\r\n" : "\n"; }
    // The file offset of a text offset; a CR the text dropped belongs to the range after it.
    size_t FileOffset(size_t offset) const;

private:
    std::string text_;
    std::vector<size_t> droppedBefore_;  // text offsets of LFs whose CR the text dropped
    bool crlf_ = false;
};
