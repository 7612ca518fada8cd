#include "starter_texts.h"

namespace {

constexpr StarterTexts kPolish{
    .window_title = "Moja płyta",
    .first_category = "Na początek",
    .second_category = "W sieci",
    .readme_title = "Przeczytaj mnie",
    .readme_description =
        "Ten przycisk otwiera plik tekstowy z płyty. Podmień go na własny "
        "opis płyty, a zrzut ekranu na własny obraz.",
    .help_title = "Pomoc",
    .help_description =
        "Otwiera plik pomocy; ten sam tekst pokazuje przycisk ze znakiem "
        "zapytania.",
    .web_title = "Strona WWW",
    .web_description = "Przycisk WWW otwiera adres w przeglądarce.",
    .install = "Instaluj",
    .run = "Otwórz",
    .instruction = "Instrukcja",
    .www = "WWW",
    .readme = "Moja płyta\n\nTu opisz zawartość płyty.\n",
    .help =
        "Moja płyta\n\nPo lewej wybierz kategorię, w środku program. Przyciski na dole\n"
        "otwierają plik programu, jego instrukcję i stronę WWW.\n",
};

constexpr StarterTexts kEnglish{
    .window_title = "My disc",
    .first_category = "Start here",
    .second_category = "On the web",
    .readme_title = "Read me",
    .readme_description =
        "This button opens a text file on the disc. Replace it with your own "
        "notes, and the screenshot with a picture of your own.",
    .help_title = "Help",
    .help_description = "Opens the help file; the question mark button shows the same text.",
    .web_title = "Web page",
    .web_description = "The WWW button opens an address in the web browser.",
    .install = "Install",
    .run = "Open",
    .instruction = "Instruction",
    .www = "WWW",
    .readme = "My disc\n\nDescribe what the disc holds here.\n",
    .help =
        "My disc\n\nPick a category on the left and a program in the middle. The buttons\n"
        "below open the program's file, its instruction and its web page.\n",
};

}  // namespace

StarterTexts starter_texts(std::string_view language) {
    return language == "pl" ? kPolish : kEnglish;
}

std::string language_caption(std::string_view language) {
    if (language == "pl") return "Polski";
    if (language == "en") return "English";
    return std::string(language);
}
