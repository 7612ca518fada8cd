#include "config/config_element.h"

#include <utility>

ConfigElement::ConfigElement(std::string name, std::vector<ConfigAttribute> attributes)
    : name_(std::move(name)), attributes_(std::move(attributes)) {}

unsigned ConfigElement::AttributeCount() const { return static_cast<unsigned>(attributes_.size()); }

std::string ConfigElement::AttributeName(unsigned index) const {
    if (index >= attributes_.size()) return "niepoprawny indeks";
    return attributes_[index].key;
}

std::string ConfigElement::AttributeValue(std::string_view key) const {
    for (const ConfigAttribute& attribute : attributes_) {
        if (attribute.key == key) return attribute.value;
    }
    return {};
}

void ConfigElement::SetAttributes(std::vector<ConfigAttribute> attributes) {
    attributes_ = std::move(attributes);
}
