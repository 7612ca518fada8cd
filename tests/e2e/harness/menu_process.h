#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "app/handles.h"

namespace e2e {

// A running menu program; one still running when the object goes is terminated.
class MenuProcess {
public:
    // Starts the program in the folder as its current directory. Throws when it cannot.
    MenuProcess(const std::string& program, const std::string& folder);
    ~MenuProcess();

    MenuProcess(const MenuProcess&) = delete;
    MenuProcess& operator=(const MenuProcess&) = delete;
    MenuProcess(MenuProcess&& other) noexcept = default;
    MenuProcess& operator=(MenuProcess&&) = delete;

    DWORD Id() const { return id_; }
    // The exit code once the program has ended, nothing while it still runs after the timeout.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout) const;

private:
    UniqueKernelHandle process_;
    DWORD id_ = 0;
};

}  // namespace e2e
