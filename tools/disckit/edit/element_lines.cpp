#include "element_lines.h"

#include <vector>

#include "config/config_grammar.h"
#include "config/text_file.h"
#include "loaded_text.h"

namespace {

// Where elements stand in the loaded text.
struct Block {
    size_t begin = 0;  // the line's start when the elements stand alone on their lines, else "<"
    size_t end = 0;    // before the line end then, else after "/>"
    bool ownLines = false;
};

bool Blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string::npos; }

class ElementPlaces {
public:
    explicit ElementPlaces(std::string_view file) : loaded_(file) {
        ScanElements(loaded_.Text(), [&](const ElementSpan& span) { spans_.push_back(span); });
    }

    const LoadedText& Loaded() const { return loaded_; }
    size_t Count() const { return spans_.size(); }

    Block Of(size_t first, size_t count) const {
        const std::string_view text = loaded_.Text();
        const size_t open = spans_[first].open;
        const ElementSpan& last = spans_[first + count - 1];
        const size_t close = last.textBegin + last.textLength + 2;
        const size_t lineStart = open == 0 ? 0 : text.rfind('\n', open - 1) + 1;
        const size_t lineEnd = std::min(text.find('\n', close), text.size());
        if (Blank(text.substr(lineStart, open - lineStart)) &&
            Blank(text.substr(close, lineEnd - close))) {
            return {lineStart, lineEnd, true};
        }
        return {open, close, false};
    }

    // The file offset right after the line that holds the offset, its line end included; the
    // end of the text the menu reads when that line has none.
    size_t AfterLine(size_t offset, bool& hasLineEnd) const {
        const size_t end = loaded_.Text().find('\n', offset);
        hasLineEnd = end != std::string::npos;
        return loaded_.FileOffset(hasLineEnd ? end + 1 : loaded_.Text().size());
    }

private:
    LoadedText loaded_;
    std::vector<ElementSpan> spans_;
};

std::vector<ConfigElement> ElementsOf(std::string_view file) {
    return ParseElements(LoadedText(file).Text());
}

std::string InFile(std::string_view lines, std::string_view lineEnd) {
    std::string written;
    for (const char c : lines) {
        if (c == '\n') {
            written += lineEnd;
        } else {
            written += c;
        }
    }
    return written;
}

std::string Spliced(std::string_view file, size_t begin, size_t end, std::string_view with) {
    std::string edited;
    edited.reserve(file.size() - (end - begin) + with.size());
    edited.append(file.substr(0, begin)).append(with).append(file.substr(end));
    return edited;
}

EditedFile Checked(std::string edited, const std::vector<ConfigElement>& expected) {
    if (edited.size() > kMaxTextFileSize) {
        return {std::nullopt, "the file would grow past the 16 MB the menu reads"};
    }
    if (ElementsOf(edited) != expected) {
        return {std::nullopt,
                "the file, read again, would not give the elements as asked: "
                "nothing was changed"};
    }
    return {std::move(edited), {}};
}

std::string Unwritable(std::string_view lines) {
    for (const char c : lines) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\n' && c != '\t')
            return "an element cannot hold control characters";
    }
    return {};
}

}  // namespace

std::optional<std::string> ElementLines(std::string_view file, size_t first, size_t count) {
    const ElementPlaces places(file);
    if (count == 0 || first >= places.Count() || count > places.Count() - first) return {};
    const Block block = places.Of(first, count);
    return places.Loaded().Text().substr(block.begin, block.end - block.begin);
}

EditedFile InsertLines(std::string_view file, size_t before, std::string_view lines) {
    if (const std::string why = Unwritable(lines); !why.empty()) return {std::nullopt, why};
    const ElementPlaces places(file);
    if (before > places.Count()) return {std::nullopt, "the file has no such element"};
    const LoadedText& loaded = places.Loaded();
    const std::string added = InFile(lines, loaded.LineEnd());
    const std::string lineEnd(loaded.LineEnd());
    size_t at = 0;
    std::string with;
    if (before < places.Count()) {
        const Block block = places.Of(before, 1);
        at = loaded.FileOffset(block.begin);
        with = added + (block.ownLines ? lineEnd : std::string(" "));
    } else if (places.Count() > 0) {
        bool hasLineEnd = false;
        at = places.AfterLine(places.Of(before - 1, 1).end, hasLineEnd);
        with = hasLineEnd ? added + lineEnd : lineEnd + added;
    } else {
        const std::string& text = loaded.Text();
        at = loaded.FileOffset(text.size());
        with = text.empty() || text.back() == '\n' ? added + lineEnd : lineEnd + added;
    }
    std::vector<ConfigElement> expected = ElementsOf(file);
    const std::vector<ConfigElement> inserted = ParseElements(lines);
    if (inserted.empty()) return {std::nullopt, "the text holds no element"};
    expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(before), inserted.begin(),
                    inserted.end());
    return Checked(Spliced(file, at, at, with), expected);
}

EditedFile DeleteElements(std::string_view file, size_t first, size_t count) {
    const ElementPlaces places(file);
    if (count == 0 || first >= places.Count() || count > places.Count() - first) {
        return {std::nullopt, "the file has no such element"};
    }
    const LoadedText& loaded = places.Loaded();
    const Block block = places.Of(first, count);
    size_t begin = loaded.FileOffset(block.begin);
    size_t end = loaded.FileOffset(block.end);
    if (block.ownLines) {
        bool hasLineEnd = false;
        const size_t after = places.AfterLine(block.end, hasLineEnd);
        if (hasLineEnd) {
            end = after;
        } else if (block.begin > 0) {
            // The last line goes with the line end before it, so the file still ends as it did.
            begin = loaded.FileOffset(block.begin - 1);
        }
    }
    std::vector<ConfigElement> expected = ElementsOf(file);
    expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(first),
                   expected.begin() + static_cast<std::ptrdiff_t>(first + count));
    return Checked(Spliced(file, begin, end, {}), expected);
}

EditedFile MoveElements(std::string_view file, size_t first, size_t count, size_t before) {
    const std::optional<std::string> lines = ElementLines(file, first, count);
    if (!lines) return {std::nullopt, "the file has no such element"};
    if (before >= first && before <= first + count) {
        if (before == first || before == first + count) return {std::string(file), {}};
        return {std::nullopt, "elements cannot move into themselves"};
    }
    EditedFile removed = DeleteElements(file, first, count);
    if (!removed.bytes) return removed;
    return InsertLines(*removed.bytes, before > first ? before - count : before, *lines);
}
