#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "attribute_edit.h"

// Whole elements added to, removed from and moved within a configuration file's bytes. An
// element alone on its lines takes them with it; added lines take the file's line ends; every
// other byte stays. Each result is read again as the menu reads it and refused unless it gives
// exactly the elements asked for. Elements are counted as the menu reads them; texts are in
// the text form ("\n" ends a line).

// The text of `count` elements from `first`, with the whole lines they stand alone on (no
// line end after the last). Nothing when the file has no such elements.
std::optional<std::string> ElementLines(std::string_view file, size_t first, size_t count);

// The lines inserted before element `before`, or after the last element when it is the count.
EditedFile InsertLines(std::string_view file, size_t before, std::string_view lines);

EditedFile DeleteElements(std::string_view file, size_t first, size_t count);

// The elements moved before element `before` (counted before the move; the count moves them to
// the end).
EditedFile MoveElements(std::string_view file, size_t first, size_t count, size_t before);
