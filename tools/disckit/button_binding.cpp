#include "button_binding.h"

#include <map>

void CheckBindings(const std::vector<ButtonBinding>& bindings, Findings& findings) {
    std::map<int, const ButtonBinding*> first;
    for (const ButtonBinding& binding : bindings) {
        const auto [it, added] = first.emplace(binding.id, &binding);
        if (added || it->second->image == binding.image) continue;
        const ButtonBinding& earlier = *it->second;
        findings.Error(
            binding.file, binding.position,
            "control id " + std::to_string(binding.id) + " is bound to \"" + earlier.image +
                "\" first (" + earlier.file + ":" + std::to_string(earlier.position.line) +
                "), so this button shows that bitmap, not \"" + binding.image + "\"",
            binding.id == 0 ? "buttons whose name the menu does not know all get id 0; give "
                              "this one a known name or the same image"
                            : "one id keeps one bitmap for the whole run; use the same image");
    }
}
