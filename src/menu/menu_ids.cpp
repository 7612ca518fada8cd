#include "menu/menu_ids.h"

#include <utility>

int ButtonIdForName(std::string_view name) {
    static constexpr std::pair<std::string_view, int> kButtons[] = {
        {"star", menu_id::kStar},   {"story", menu_id::kStory},
        {"close", menu_id::kClose}, {"minimize", menu_id::kMinimize},
        {"help", menu_id::kHelp},   {"install", menu_id::kInstall},
        {"run", menu_id::kRun},     {"instruction", menu_id::kInstruction},
        {"www", menu_id::kWww},     {"buy", menu_id::kBuy},
        {"next", menu_id::kNext},   {"prev", menu_id::kPrev},
    };
    for (const auto& [buttonName, id] : kButtons) {
        if (buttonName == name) return id;
    }
    return 0;
}
