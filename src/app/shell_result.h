#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The message box caption for a result of the shell's "open" action, or nothing for the
// results that are success or that are passed over without a word.
std::optional<std::string> ShellFailureCaption(std::intptr_t result);
