#include "menu/menu_ids.h"

#include <utility>

namespace {

constexpr std::pair<std::string_view, int> kButtons[] = {
    {"star", menu_id::kStar},   {"story", menu_id::kStory},
    {"close", menu_id::kClose}, {"minimize", menu_id::kMinimize},
    {"help", menu_id::kHelp},   {"install", menu_id::kInstall},
    {"run", menu_id::kRun},     {"instruction", menu_id::kInstruction},
    {"www", menu_id::kWww},     {"buy", menu_id::kBuy},
    {"next", menu_id::kNext},   {"prev", menu_id::kPrev},
};

}  // namespace

int ButtonIdForName(std::string_view name) {
    for (const auto& [buttonName, id] : kButtons) {
        if (buttonName == name) return id;
    }
    return 0;
}

std::vector<std::string_view> ButtonNames() {
    std::vector<std::string_view> names;
    for (const auto& button : kButtons) names.push_back(button.first);
    return names;
}
