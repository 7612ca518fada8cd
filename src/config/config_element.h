#pragma once

#include <string>
#include <string_view>
#include <vector>

// One key=value item of an element, bytes exactly as they stand in the file.
struct ConfigAttribute {
    std::string key;
    std::string value;

    bool operator==(const ConfigAttribute&) const = default;
};

// A named element with its items in file order; duplicate keys are kept.
class ConfigElement {
public:
    ConfigElement() = default;
    ConfigElement(std::string name, std::vector<ConfigAttribute> attributes);

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    unsigned AttributeCount() const;
    // The key at the index, or "niepoprawny indeks" past the end.
    std::string AttributeName(unsigned index) const;
    // The value of the first item with this key, or the empty string.
    std::string AttributeValue(std::string_view key) const;
    void SetAttributes(std::vector<ConfigAttribute> attributes);

    const std::vector<ConfigAttribute>& Attributes() const { return attributes_; }

    bool operator==(const ConfigElement&) const = default;

private:
    std::string name_;
    std::vector<ConfigAttribute> attributes_;
};
