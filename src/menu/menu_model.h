#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class ConfigDocument;
class ConfigElement;

struct ControlRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const ControlRect&) const = default;
};

// A child window of the main window, in the order the menu description makes them.
struct ControlSpec {
    enum class Kind { Button, TitleField, DescriptionField, ScreenField };

    Kind kind = Kind::Button;
    int id = 0;
    std::string caption;
    std::string image;
    ControlRect rect;
    bool hidden = false;
    size_t element = 0;  // the element that made it: an item, a menu or an application
    // An application's button: the template element its place and look come from.
    std::optional<size_t> templateElement;
};

// A button template of a menu: where and how its application buttons look.
struct MenuItemTemplate {
    std::string caption;
    std::string image;
    ControlRect rect;
    int maxItems = 0;
    size_t element = 0;
};

struct Application {
    int id = 0;
    std::string title;
    std::string description;
    std::string exec;
    std::string execOpen;
    std::string instruction;
    std::string www;
    std::string buy;
    std::string screen;
    size_t element = 0;
};

// One category of applications.
struct Menu {
    std::string name;
    std::string caption;
    int id = 0;
    std::vector<Application> applications;
    std::vector<MenuItemTemplate> templates;
};

struct BannerSpec {
    std::string name;
    std::string link;
    std::string image;
    ControlRect rect;
    int timer = -1;  // animation period in ms, -1 for a still banner
    size_t element = 0;
};

// Everything the main window builds from its menu description.
struct MenuModel {
    std::vector<ControlSpec> controls;
    std::vector<Menu> menus;
    std::vector<BannerSpec> banners;
    // The brush colours of the text fields: the last item of each with a usable bgcolor.
    std::optional<uint32_t> titleBrush;
    std::optional<uint32_t> descriptionBrush;
};

// Buttons a single-template menu shows per page: maxitems, or every application
// when maxitems is below 1.
int PageSize(const MenuItemTemplate& only, size_t applicationCount);

// Frames in a banner strip of the given picture width; at least one.
int FrameCount(int pictureWidth, int bannerWidth);

// Whether the j-th application (from 0) of the menu at that index keeps its place: its
// identifier must not reach the next menu's. The last menu is followed by none.
bool ApplicationFits(size_t menuIndex, size_t menuCount, size_t application);

// Whether the element makes a menu of applications: a "menu" that is no button, text, picture
// or banner.
bool MakesMenu(const ConfigElement& element);

MenuModel BuildMenuModel(const ConfigDocument& document);
