#pragma once

#include <string>
#include <string_view>

// The words of one language's starter menu, in Windows-1250. Polish and English have their
// own; every other language starts from the English words for the author to translate.
struct StarterTexts {
    std::string_view window_title;
    std::string_view first_category;
    std::string_view second_category;
    std::string_view readme_title;
    std::string_view readme_description;
    std::string_view help_title;
    std::string_view help_description;
    std::string_view web_title;
    std::string_view web_description;
    std::string_view install;
    std::string_view run;
    std::string_view instruction;
    std::string_view www;
    std::string_view readme;
    std::string_view help;
};

StarterTexts starter_texts(std::string_view language);

// The caption of the language's button: its own name for Polish and English, else the code.
std::string language_caption(std::string_view language);
