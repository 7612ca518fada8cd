#pragma once

#include <cstddef>
#include <string>

class ConfigDocument;
class VersionInfo;

// What start-up takes from the menu description's "window" element and "version.dat".
struct MainWindowSettings {
    std::string title;
    int width = 0;
    int height = 0;
    std::string icon;
};

// The longest title the main window gets; longer ones are cut.
inline constexpr std::size_t kMaxWindowTitle = 107;

// Title "<Title> v<Major>.<Minor> Build <Build>" from a loaded version file (null when it
// could not be loaded), else the element's "title"; the last "window" element counts.
MainWindowSettings ReadMainWindowSettings(const ConfigDocument& document,
                                          const VersionInfo* version);
