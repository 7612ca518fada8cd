#include "counterpart_checks.h"

#include <set>
#include <string>

#include "element_identity.h"

void CheckCounterparts(const std::vector<ConfigSource>& descriptions, Findings& findings) {
    std::vector<std::vector<std::string>> identities;
    std::vector<std::set<std::string>> present;
    for (const ConfigSource& source : descriptions) {
        identities.push_back(ElementIdentities(source.Document()));
        present.emplace_back(identities.back().begin(), identities.back().end());
    }
    for (size_t a = 0; a < descriptions.size(); ++a) {
        for (size_t b = 0; b < descriptions.size(); ++b) {
            if (a == b) continue;
            const std::string& other = descriptions[b].File();
            for (size_t i = 0; i < identities[a].size(); ++i) {
                if (present[b].contains(identities[a][i])) continue;
                findings.Warning(descriptions[a].File(), descriptions[a].ElementPosition(i),
                                 "\"" + identities[a][i] + "\" has no counterpart in " + other,
                                 "add it to " + other + " too, or remove it here");
            }
        }
    }
}
