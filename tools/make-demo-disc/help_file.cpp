#include "help_file.h"

#include <string_view>

namespace {

constexpr std::string_view kEnglish = R"(Discmenu demo disc

This disc shows what the Discmenu start-up menu can do. None of the programs
on it exist: their buttons only show how the menu works.

Categories
  The buttons on the left choose a category: game demos, full versions or
  tools. The programs of the chosen category are listed in the middle. Game
  demos fill more than one page: turn the pages with "< Prev" and "Next >".

Programs
  Click a program to see its name, description and a screenshot on the
  right. The buttons below then act on that program:
    Install      starts the program's installer,
    Run          starts a program that needs no installing,
    Instruction  opens the program's manual,
    WWW          opens the program's web page,
    Buy          opens the shop page of the full version.
  A button is only shown when the program has what it needs.

Other buttons
  ?      this help,
  star   information about the disc,
  notes  the audio player,
  _      minimizes the menu,
  X      closes the menu.

Drag the window by its background to move it. The WWW picture below the
list of programs opens the project's web page.
)";

constexpr std::string_view kPolish = R"(Płyta demonstracyjna Discmenu

Ta płyta pokazuje możliwości menu startowego Discmenu. Żaden z programów na
niej nie istnieje: ich przyciski pokazują tylko, jak działa menu.

Kategorie
  Przyciski po lewej stronie wybierają kategorię: dema gier, pełne wersje lub
  narzędzia. Programy wybranej kategorii są wymienione pośrodku. Dema gier
  zajmują więcej niż jedną stronę: strony zmieniają przyciski "< Wstecz"
  i "Dalej >".

Programy
  Kliknij program, aby zobaczyć po prawej stronie jego nazwę, opis i zrzut
  ekranu. Przyciski poniżej działają wtedy na ten program:
    Instaluj     uruchamia instalator programu,
    Uruchom      uruchamia program, który nie wymaga instalacji,
    Instrukcja   otwiera instrukcję programu,
    WWW          otwiera stronę internetową programu,
    Kup          otwiera stronę sklepu z pełną wersją.
  Przycisk pojawia się tylko wtedy, gdy program ma to, czego przycisk wymaga.

Pozostałe przyciski
  ?          ta pomoc,
  gwiazdka   informacje o płycie,
  nuty       odtwarzacz muzyki,
  _          minimalizuje menu,
  X          zamyka menu.

Okno można przesuwać, przeciągając je za tło. Obrazek WWW pod listą
programów otwiera stronę internetową projektu.
)";

}  // namespace

std::string help_file(Language language) {
    return std::string(language == Language::english ? kEnglish : kPolish);
}
