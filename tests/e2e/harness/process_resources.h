#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <ostream>

namespace e2e {

// What a process holds of the system, as counted from outside it.
struct ProcessResources {
    // Nothing where they cannot be counted: a 32-bit process under Wine has no GDI handle
    // table in its PEB.
    std::optional<DWORD> gdiObjects;
    DWORD userObjects = 0;
    std::size_t privateBytes = 0;

    bool operator==(const ProcessResources&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ProcessResources& resources);

// GetGuiResources and the private commit of GetProcessMemoryInfo. Where the system does not
// implement GetGuiResources (Wine), GDI objects are counted in the process's own GDI handle
// table and USER objects as its windows. Nothing when the process cannot be read.
// The settled reading keeps the GDI count unknown when one reading could not take it.
std::optional<ProcessResources> ReadProcessResources(DWORD processId);

// The least of each figure over a few readings a poll interval apart: objects that live only
// within one paint do not count.
std::optional<ProcessResources> ReadSettledResources(DWORD processId);

}  // namespace e2e
