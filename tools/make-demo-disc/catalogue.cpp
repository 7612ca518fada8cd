#include "catalogue.h"

#include <array>

#include "glyphs.h"
#include "screens.h"

namespace {

constexpr std::array kCategories{
    Category{"demo", {"Game demos", "Dema gier"}, false},
    Category{"pelne", {"Full versions", "Pełne wersje"}, true},
    Category{"narzedzia", {"Tools", "Narzędzia"}, false},
};

const std::array kApplications{
    Application{"space",
                "demo",
                {"Space Rescue", "Space Rescue"},
                {"Defend the colony ships from waves of invaders. Three worlds, twelve missions "
                 "and a mode for two players. The demo holds the first world.",
                 "Obroń statki kolonistów przed falami najeźdźców. Trzy światy, dwanaście misji "
                 "i tryb dla dwóch graczy. Wersja demo zawiera pierwszy świat."},
                "setup\\space\\setup.bat",
                "",
                true,
                true,
                true,
                draw_space_screen,
                nullptr},
    Application{"road",
                "demo",
                {"Road Fever", "Road Fever"},
                {"Arcade racing on mountain roads. Overtake your rivals, collect bonuses and beat "
                 "the clock on six tracks. The demo holds two tracks.",
                 "Zręcznościowe wyścigi po górskich drogach. Wyprzedzaj rywali, zbieraj premie i "
                 "pokonaj czas na sześciu trasach. Wersja demo zawiera dwie trasy."},
                "setup\\road\\setup.bat",
                "install",
                true,
                true,
                true,
                draw_road_screen,
                nullptr},
    Application{"jumper",
                "demo",
                {"Jumpy Jack", "Jumpy Jack"},
                {"A cheerful platform game: jump, collect coins and find the secret rooms of "
                 "twenty colourful levels. The demo holds five levels.",
                 "Wesoła gra platformowa: skacz, zbieraj monety i odkrywaj tajne komnaty na "
                 "dwudziestu kolorowych poziomach. Wersja demo zawiera pięć poziomów."},
                "setup\\jumper\\setup.bat",
                "",
                false,
                true,
                true,
                draw_jumper_screen,
                nullptr},
    Application{"blocks",
                "demo",
                {"Block Drop", "Block Drop"},
                {"The classic puzzle of falling blocks, with a marathon, a race against time and "
                 "a table of best scores. The demo holds the marathon.",
                 "Klasyczna łamigłówka ze spadającymi klockami: maraton, wyścig z czasem i tabela "
                 "najlepszych wyników. Wersja demo zawiera maraton."},
                "setup\\blocks\\setup.bat",
                "",
                true,
                false,
                true,
                draw_blocks_screen,
                nullptr},
    Application{"bricks",
                "demo",
                {"Brick Breaker", "Brick Breaker"},
                {"Break every brick with a bouncing ball. Power-ups, moving walls and fifty "
                 "stages. The demo holds ten stages.",
                 "Rozbij wszystkie cegły odbijaną piłką. Dodatki, ruchome ściany i pięćdziesiąt "
                 "etapów. Wersja demo zawiera dziesięć etapów."},
                "setup\\bricks\\setup.bat",
                "",
                true,
                true,
                true,
                draw_bricks_screen,
                nullptr},
    Application{"checkers",
                "demo",
                {"Checkers Pro", "Checkers Pro"},
                {"Draughts against the computer at five levels of skill, with hints, a history "
                 "of moves and saved games. The demo plays two levels.",
                 "Warcaby z komputerem na pięciu poziomach trudności, z podpowiedziami, historią "
                 "ruchów i zapisem partii. Wersja demo ma dwa poziomy."},
                "setup\\checkers\\setup.bat",
                "",
                true,
                true,
                false,
                draw_checkers_screen,
                nullptr},
    Application{"paint",
                "pelne",
                {"Paint Studio", "Paint Studio"},
                {"A friendly painting program for the whole family: brushes, shapes, stamps and "
                 "a palette of colours. Full version.",
                 "Przyjazny program do rysowania dla całej rodziny: pędzle, kształty, stemple i "
                 "paleta barw. Pełna wersja."},
                "setup\\paint\\setup.bat",
                "",
                true,
                true,
                false,
                draw_paint_screen,
                paint_palette},
    Application{"music",
                "pelne",
                {"Music Box", "Music Box"},
                {"Compose your own tunes on a piano roll with twelve instruments, and save them "
                 "as sound files. Full version.",
                 "Komponuj własne melodie na siatce nut z dwunastoma instrumentami i zapisuj je "
                 "w plikach dźwiękowych. Pełna wersja."},
                "setup\\music\\setup.bat",
                "",
                true,
                true,
                false,
                draw_music_screen,
                paint_notes},
    Application{"atlas",
                "pelne",
                {"Star Atlas", "Star Atlas"},
                {"Explore the night sky: constellations, planets and the Moon for any date and "
                 "any place on Earth. Full version.",
                 "Poznaj nocne niebo: gwiazdozbiory, planety i Księżyc dla dowolnej daty i "
                 "dowolnego miejsca na Ziemi. Pełna wersja."},
                "setup\\atlas\\setup.bat",
                "",
                false,
                true,
                false,
                draw_atlas_screen,
                paint_star},
    Application{"burner",
                "narzedzia",
                {"Disc Burner", "Disc Burner"},
                {"Write files, music and disc images to CD and DVD in a few clicks. It runs "
                 "straight from this disc, without installing.",
                 "Nagrywaj pliki, muzykę i obrazy płyt na CD i DVD w kilku kliknięciach. Działa "
                 "prosto z tej płyty, bez instalowania."},
                "tools\\burner\\burner.bat",
                "open",
                true,
                true,
                false,
                draw_burner_screen,
                nullptr},
    Application{"commander",
                "narzedzia",
                {"File Commander", "File Commander"},
                {"A file manager with two panels for copying, moving and viewing files, driven "
                 "from the keyboard or the mouse.",
                 "Menedżer plików z dwoma panelami do kopiowania, przenoszenia i przeglądania "
                 "plików, obsługiwany klawiaturą lub myszą."},
                "setup\\commander\\setup.bat",
                "install",
                false,
                true,
                true,
                draw_commander_screen,
                nullptr},
};

}  // namespace

std::span<const Category> categories() { return kCategories; }

std::span<const Application> applications() { return kApplications; }
