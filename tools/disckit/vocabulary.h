#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The element names and keys one kind of configuration file uses.
struct ElementVocabulary {
    std::string_view name;
    std::vector<std::string_view> keys;
};

using Vocabulary = std::vector<ElementVocabulary>;

// The menu description, "Menu\lang.dat" and "Menu\cda.dat".
const Vocabulary& MenuVocabulary();
const Vocabulary& LanguageVocabulary();
const Vocabulary& PlayerVocabulary();

const ElementVocabulary* FindElementVocabulary(const Vocabulary& vocabulary, std::string_view name);

// The known word the text most likely meant: one differing only in letter case, or else the
// closest within two edits. Nothing when none is that close.
std::optional<std::string_view> Suggest(std::string_view text,
                                        const std::vector<std::string_view>& known);

// The same for a list of owned strings, such as the menus a file defines.
std::optional<std::string> SuggestName(std::string_view text,
                                       const std::vector<std::string>& known);

bool EqualIgnoringCase(std::string_view a, std::string_view b);
