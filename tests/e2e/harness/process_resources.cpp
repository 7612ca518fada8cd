#include "harness/process_resources.h"

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

#include "app/handles.h"
#include "harness/polling.h"
#include "harness/window_probe.h"

namespace e2e {
namespace {

constexpr int kSettleReadings = 5;

// One entry of the GDI handle table a process's PEB points to; Wine's layout, the same in 32-bit
// and 64-bit processes.
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr std::size_t kGdiTableEntries = 0x10000;
constexpr std::size_t kPebGdiTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
constexpr std::uint16_t kStockFlag = 0x80;

template <typename T>
bool ReadRemote(HANDLE process, const void* address, T* into, std::size_t size = sizeof(T)) {
    SIZE_T read = 0;
    return ReadProcessMemory(process, address, into, size, &read) && read == size;
}

// Wine keeps one table per process: every live entry is the process's own. Nothing when the
// process has no table to read.
std::optional<DWORD> CountGdiTableEntries(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof(basic),
                                  &length) != 0) {
        return std::nullopt;
    }
    const void* table = nullptr;
    const auto* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
    if (!ReadRemote(process, peb + kPebGdiTableOffset, &table) || !table) return std::nullopt;
    std::vector<GdiHandleEntry> entries(kGdiTableEntries);
    if (!ReadRemote(process, table, entries.data(), entries.size() * sizeof(GdiHandleEntry))) {
        return std::nullopt;
    }
    return static_cast<DWORD>(std::count_if(entries.begin(), entries.end(), [](const auto& e) {
        return e.type != 0 && (e.unique & kStockFlag) == 0;
    }));
}

DWORD CountWindows(DWORD processId) {
    DWORD count = 0;
    for (HWND window : TopLevelWindows(processId)) {
        count += 1 + static_cast<DWORD>(ChildWindows(window).size());
    }
    return count;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const ProcessResources& resources) {
    if (resources.gdiObjects) {
        out << *resources.gdiObjects << " GDI, ";
    } else {
        out << "GDI not countable, ";
    }
    return out << resources.userObjects << " USER, " << resources.privateBytes / 1024
               << " KiB private";
}

std::optional<ProcessResources> ReadProcessResources(DWORD processId) {
    const UniqueKernelHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process) return std::nullopt;

    ProcessResources resources;
    SetLastError(ERROR_SUCCESS);
    resources.gdiObjects = GetGuiResources(process.Get(), GR_GDIOBJECTS);
    if (resources.gdiObjects == 0u && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) {
        resources.gdiObjects = CountGdiTableEntries(process.Get());
        resources.userObjects = CountWindows(processId);
    } else {
        resources.userObjects = GetGuiResources(process.Get(), GR_USEROBJECTS);
    }

    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    if (!GetProcessMemoryInfo(process.Get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                              sizeof(memory))) {
        return std::nullopt;
    }
    // Both are the private commit; Wine fills in only the older field.
    resources.privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    return resources;
}

std::optional<ProcessResources> ReadSettledResources(DWORD processId) {
    std::optional<ProcessResources> least;
    for (int i = 0; i < kSettleReadings; ++i) {
        if (i > 0) std::this_thread::sleep_for(kPollInterval);
        const std::optional<ProcessResources> now = ReadProcessResources(processId);
        if (!now) return std::nullopt;
        if (!least) {
            least = now;
            continue;
        }
        least->gdiObjects = least->gdiObjects && now->gdiObjects
                                ? std::optional(std::min(*least->gdiObjects, *now->gdiObjects))
                                : std::nullopt;
        least->userObjects = std::min(least->userObjects, now->userObjects);
        least->privateBytes = std::min(least->privateBytes, now->privateBytes);
    }
    return least;
}

}  // namespace e2e
