#pragma once

#include <optional>
#include <string>

#include "config/config_document.h"
#include "structure_edit.h"

// The elements the designer adds, built from the shown language's description: what they
// look like comes from their neighbours, so a new element sits in the disc's style. Texts are
// Windows-1250; `refusal` says why nothing can be added.
struct NewElement {
    std::optional<StructureChange> change;
    std::string refusal;
};

// An application in the menu of the selected element (after it when it is an application),
// else in `menu`.
NewElement NewApplication(const ConfigDocument& document, std::optional<size_t> selected,
                          const std::string& menu);

// A menu after `menu`'s group (after the last when there is none) with one template and one
// application; its button below the last menu button.
NewElement NewMenu(const ConfigDocument& document, const std::string& menu);

// A fixed button of that name drawn from a strip of that size.
NewElement NewButton(const ConfigDocument& document, const std::string& name,
                     const std::string& image, int stripWidth, int stripHeight);

// A banner showing the picture; animated with a timer above 0.
NewElement NewBanner(const ConfigDocument& document, const std::string& image, int width,
                     int height, int timer);

// The title or description field, or the screenshot field "screen".
NewElement NewField(const ConfigDocument& document, const std::string& name);

// The name with the lowest number from 2 appended that no element of the tag carries, or the
// name itself when none does.
std::string UniqueName(const ConfigDocument& document, const std::string& tag,
                       const std::string& name);
