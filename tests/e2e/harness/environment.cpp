#include "harness/environment.h"

#include <windows.h>

#include <stdexcept>

namespace e2e {
namespace {

std::string RequiredVariable(const char* name) {
    const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
    std::string value(size, '\0');
    if (size <= 1 || GetEnvironmentVariableA(name, value.data(), size) != size - 1) {
        throw std::runtime_error(std::string("environment variable not set: ") + name);
    }
    value.resize(size - 1);
    return value;
}

}  // namespace

std::string StartExePath() { return RequiredVariable("DISCMENU_START_EXE"); }

std::string FixturesPath() { return RequiredVariable("DISCMENU_E2E_FIXTURES"); }

std::string DemoDiscPath() { return RequiredVariable("DISCMENU_DEMO_DISC"); }

std::string ImageTreePath() {
    char value[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("DISCMENU_IMAGE_TREE", value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(value, length) : std::string();
}

std::string FixturePath(std::string_view name) { return FixturesPath() + "\\" + std::string(name); }

}  // namespace e2e
