#include "element_identity.h"

#include <map>

namespace {

// The part of the identity before the rank.
std::string Key(const ConfigElement& element) {
    const std::string& tag = element.Name();
    if (tag == "item" || tag == "menu") return tag + " " + element.AttributeValue("name");
    if (tag == "menuitem") return tag + " " + element.AttributeValue("parent");
    if (tag == "application") return tag + " " + element.AttributeValue("type");
    return tag;
}

}  // namespace

std::vector<std::string> ElementIdentities(const ConfigDocument& document) {
    std::map<std::string, int> seen;
    std::vector<std::string> identities;
    identities.reserve(document.ElementCount());
    for (const ConfigElement& element : document.Elements()) {
        std::string key = Key(element);
        const int rank = ++seen[key];
        // Templates and applications are counted within their menu: the rank is theirs.
        const bool ranked = element.Name() == "menuitem" || element.Name() == "application";
        if (rank > 1 || ranked) key += " " + std::to_string(rank);
        identities.push_back(std::move(key));
    }
    return identities;
}

std::optional<size_t> FindByIdentity(const ConfigDocument& document, std::string_view identity) {
    const std::vector<std::string> identities = ElementIdentities(document);
    for (size_t i = 0; i < identities.size(); ++i) {
        if (identities[i] == identity) return i;
    }
    return std::nullopt;
}
