#include "vocabulary.h"

#include <algorithm>
#include <numeric>

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), size_t{0});
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            const size_t change = diagonal + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, change});
            diagonal = above;
        }
    }
    return row[b.size()];
}

template <typename Word>
std::optional<size_t> Closest(std::string_view text, const std::vector<Word>& known) {
    std::optional<size_t> best;
    size_t bestDistance = 3;
    for (size_t i = 0; i < known.size(); ++i) {
        const std::string_view word = known[i];
        if (EqualIgnoringCase(text, word)) return i;
        const size_t distance = EditDistance(text, word);
        // Short words are too alike to guess between at two edits.
        const size_t limit = word.size() <= 4 ? 1 : 2;
        if (distance <= limit && distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// Keys of "item", "menu" and "menuitem" in the menu description; "title" for message items.
const std::vector<std::string_view> kMenuItemKeys = {
    "type",   "name",      "parent",    "text",  "image",    "bgcolor", "width",
    "height", "positionX", "positionY", "timer", "maxitems", "title"};

}  // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

const Vocabulary& MenuVocabulary() {
    static const Vocabulary vocabulary = {
        {"window", {"title", "width", "height", "icon", "intro", "outro"}},
        {"item", kMenuItemKeys},
        {"menu", kMenuItemKeys},
        {"menuitem", kMenuItemKeys},
        {"application",
         {"type", "title", "description", "exec", "execopen", "instruction", "www", "buy",
          "screen"}},
    };
    return vocabulary;
}

const Vocabulary& LanguageVocabulary() {
    static const Vocabulary vocabulary = {
        {"window", {"width", "height", "bgcolor", "parent"}},
        {"item",
         {"type", "name", "text", "image", "positionX", "positionY", "width", "height", "parent"}},
    };
    return vocabulary;
}

const Vocabulary& PlayerVocabulary() {
    static const Vocabulary vocabulary = {
        {"window", {"width", "height"}},
        {"audio", {"type", "file"}},
        {"item", {"type", "name", "text", "image", "positionX", "positionY", "width", "height"}},
    };
    return vocabulary;
}

const ElementVocabulary* FindElementVocabulary(const Vocabulary& vocabulary,
                                               std::string_view name) {
    for (const ElementVocabulary& element : vocabulary) {
        if (element.name == name) return &element;
    }
    return nullptr;
}

std::optional<std::string_view> Suggest(std::string_view text,
                                        const std::vector<std::string_view>& known) {
    const std::optional<size_t> index = Closest(text, known);
    if (!index) return std::nullopt;
    return known[*index];
}

std::optional<std::string> SuggestName(std::string_view text,
                                       const std::vector<std::string>& known) {
    const std::optional<size_t> index = Closest(text, known);
    if (!index) return std::nullopt;
    return known[*index];
}
