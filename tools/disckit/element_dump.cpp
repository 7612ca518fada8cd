#include "element_dump.h"

#include <cstdio>

#include <nlohmann/json.hpp>

#include "cp1250.h"

std::string MakeVisible(std::string_view text) {
    std::string visible;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            visible += "\\n";
        } else if (c == '\r') {
            visible += "\\r";
        } else if (c == '\t') {
            visible += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            visible += escape;
        } else {
            visible += c;
        }
    }
    return visible;
}

std::string DumpText(const ConfigDocument& document) {
    std::string out;
    for (size_t i = 0; i < document.Elements().size(); ++i) {
        const ConfigElement& element = document.Elements()[i];
        out += "[" + std::to_string(i) + "] " + MakeVisible(element.Name()) + "\n";
        for (const ConfigAttribute& attribute : element.Attributes()) {
            out += "    \"" + MakeVisible(attribute.key) + "\" = \"" +
                   MakeVisible(attribute.value) + "\"\n";
        }
    }
    return out;
}

std::string DumpJson(const ConfigDocument& document) {
    nlohmann::ordered_json elements = nlohmann::ordered_json::array();
    for (const ConfigElement& element : document.Elements()) {
        nlohmann::ordered_json attributes = nlohmann::ordered_json::array();
        for (const ConfigAttribute& attribute : element.Attributes()) {
            attributes.push_back({Cp1250ToUtf8(attribute.key), Cp1250ToUtf8(attribute.value)});
        }
        elements.push_back(
            {{"name", Cp1250ToUtf8(element.Name())}, {"attributes", std::move(attributes)}});
    }
    return elements.dump(2) + "\n";
}
