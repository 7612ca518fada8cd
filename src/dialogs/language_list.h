#pragma once

#include <string>
#include <vector>

class ConfigDocument;

// The language names of a language file: the "name" of every "item" whose "type" is
// exactly "button", in file order. The n-th name belongs to the button with id 300 + n.
std::vector<std::string> LanguageNames(const ConfigDocument& document);
