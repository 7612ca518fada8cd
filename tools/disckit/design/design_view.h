#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/config_document.h"
#include "menu/menu_model.h"
#include "menu_preview.h"

// Something of the main window an author can select, and the element that describes it.
struct DesignElement {
    enum class Kind {
        kButton,
        kMenu,
        kApplication,
        kTitle,
        kDescription,
        kScreen,
        kBanner,
        kWindow
    };

    Kind kind = Kind::kButton;
    size_t element = 0;  // where its place and size live: an application's is its template's
    std::optional<size_t> application;  // an application button's own element
    std::string name;                   // Windows-1250
    ControlRect rect;
};

const char* KindName(DesignElement::Kind kind);

// What the window shows in the state, in the order the mouse finds it: child controls in the
// order they were made (the first made lies on top), then banners in list order, then the
// window itself. Nothing when the state does not exist.
std::optional<std::vector<DesignElement>> ElementsInState(const ConfigDocument& document,
                                                          const PreviewState& state);

// What start.exe has at a client point: a control holding it, else a banner holding it
// strictly inside (as the menu tests for its links), else the window. Null outside it.
const DesignElement* ElementAt(const std::vector<DesignElement>& elements, int x, int y);

// A click at a client point as start.exe takes it: the state it leaves, and what the menu
// would do beyond its window (Windows-1250; empty for nothing).
struct TryResult {
    PreviewState state;
    std::string action;
};
std::optional<TryResult> TryClick(const ConfigDocument& document, const PreviewState& state, int x,
                                  int y);
