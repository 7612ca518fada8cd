#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "attribute_edit.h"
#include "config/config_document.h"

// A change of a description's structure, made alike in every language: the element it acts on
// is named by its identity (element_identity.h), so each file finds its own.
struct StructureChange {
    enum class Kind { kDelete, kDuplicate, kMoveUp, kMoveDown, kInsert };

    Kind kind = Kind::kInsert;
    std::string target;   // the element acted on; kInsert: the one the lines follow, "" the end
    std::string lines;    // kInsert: the elements added, text form
    std::string newMenu;  // kDuplicate of a menu: the copy's name
};

// The elements an element takes with it: a menu the templates and applications right below
// it, any other element itself.
struct ElementGroup {
    size_t first = 0;
    size_t count = 1;
};

// Nothing, with the reason, for a menu whose templates or applications stand elsewhere too.
std::optional<ElementGroup> GroupOf(const ConfigDocument& document, size_t element,
                                    std::string& refusal);

// The file with the change made; refused when the file has no such element. `selected` gets
// the element to show selected after it: the first added or moved, or what stands where the
// deleted stood.
EditedFile ApplyStructure(std::string_view file, const StructureChange& change,
                          size_t* selected = nullptr);
