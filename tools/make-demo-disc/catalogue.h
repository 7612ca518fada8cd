#pragma once

#include <span>
#include <string_view>

#include "image.h"

enum class Language { english, polish };

// A text in both languages of the disc.
struct Localized {
    std::string_view english;
    std::string_view polish;

    std::string_view in(Language language) const {
        return language == Language::english ? english : polish;
    }
};

// Paints an application's symbol centred on (x, y), about `size` pixels across.
using IconPainter = void (*)(Image& image, double x, double y, double size, Rgba colour);

struct Category {
    // The menu's name; "pelne" is the name for which the menu hides the list banner.
    std::string_view name;
    Localized caption;
    // Every application gets a template, and so a tile, of its own; otherwise all share one
    // template and turn pages.
    bool tiles;
};

struct Application {
    // Names the application's screenshot, tile, setup folder and web pages.
    std::string_view id;
    std::string_view category;
    Localized title;
    Localized description;
    std::string_view exec;
    // Empty, "install" or "open".
    std::string_view execopen;
    bool instruction;
    bool www;
    bool buy;
    Image (*draw_screen)();
    // The symbol on the application's tile; only for categories with tiles.
    IconPainter icon;
};

// In the order of the menu files.
std::span<const Category> categories();
std::span<const Application> applications();
