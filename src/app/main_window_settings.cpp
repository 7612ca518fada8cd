#include "app/main_window_settings.h"

#include "config/config_document.h"
#include "config/decimal.h"
#include "config/version_info.h"

namespace {

// The text as the title's "%s" sees it: up to the first zero byte.
std::string UpToNul(const std::string& text) { return text.substr(0, text.find('\0')); }

std::string CutToTitle(std::string text) {
    if (text.size() > kMaxWindowTitle) text.resize(kMaxWindowTitle);
    return text;
}

}  // namespace

MainWindowSettings ReadMainWindowSettings(const ConfigDocument& document,
                                          const VersionInfo* version) {
    ConfigElement window;
    document.FindElement("window", window);

    MainWindowSettings settings;
    if (version) {
        settings.title = CutToTitle(
            UpToNul(version->Title()) + " v" + std::to_string(version->Major()) + "." +
            std::to_string(version->Minor()) + " Build " + std::to_string(version->Build()));
    } else {
        settings.title = CutToTitle(UpToNul(window.AttributeValue("title")));
    }
    settings.width = ReadDecimal(window.AttributeValue("width"));
    settings.height = ReadDecimal(window.AttributeValue("height"));
    settings.icon = window.AttributeValue("icon");
    return settings;
}
