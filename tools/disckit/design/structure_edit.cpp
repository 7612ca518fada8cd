#include "structure_edit.h"

#include <vector>

#include "config/decimal.h"
#include "element_identity.h"
#include "element_lines.h"
#include "loaded_text.h"
#include "menu/menu_model.h"

namespace {

// Duplicates stand this far right of and below their original.
constexpr int kDuplicateOffset = 10;

ConfigDocument DocumentOf(std::string_view file) {
    ConfigDocument document;
    document.ParseText(LoadedText(file).Text());
    return document;
}

// The kind of element moves keep together: siblings share it.
std::string SiblingKey(const ConfigElement& element) {
    if (MakesMenu(element)) return "menu";
    if (element.Name() == "menuitem") return "menuitem " + element.AttributeValue("parent");
    if (element.Name() == "application") return "application " + element.AttributeValue("type");
    return element.Name();
}

// The group of the sibling before (step -1) or after (step 1) the group.
std::optional<ElementGroup> Sibling(const ConfigDocument& document, const ElementGroup& group,
                                    int step, std::string& refusal) {
    const auto& elements = document.Elements();
    const std::string key = SiblingKey(elements[group.first]);
    if (step < 0) {
        for (size_t i = group.first; i-- > 0;) {
            if (SiblingKey(elements[i]) == key) return GroupOf(document, i, refusal);
        }
    } else {
        for (size_t i = group.first + group.count; i < elements.size(); ++i) {
            if (SiblingKey(elements[i]) == key) return GroupOf(document, i, refusal);
        }
    }
    refusal =
        step < 0 ? "it is already the first of its kind" : "it is already the last of its kind";
    return std::nullopt;
}

EditedFile Set(EditedFile edited, size_t element, const std::vector<AttributeChange>& changes) {
    if (!edited.bytes) return edited;
    return SetAttributes(*edited.bytes, element, changes);
}

EditedFile Duplicate(std::string_view file, const ConfigDocument& document,
                     const ElementGroup& group, const std::string& newMenu) {
    const std::optional<std::string> lines = ElementLines(file, group.first, group.count);
    if (!lines) return {std::nullopt, "the file has no such element"};
    EditedFile edited = InsertLines(file, group.first + group.count, *lines);
    const size_t copy = group.first + group.count;
    const ConfigElement& top = document.Elements()[group.first];
    std::vector<AttributeChange> changes;
    for (const char* key : {"positionX", "positionY"}) {
        for (const ConfigAttribute& attribute : top.Attributes()) {
            if (attribute.key != key) continue;
            changes.push_back(
                {key, std::to_string(ReadDecimal(attribute.value) + kDuplicateOffset)});
            break;
        }
    }
    if (MakesMenu(top)) {
        if (newMenu.empty()) return {std::nullopt, "a copy of a menu needs a name of its own"};
        changes.push_back({"name", newMenu});
        for (size_t i = 1; i < group.count; ++i) {
            const bool isTemplate = document.Elements()[group.first + i].Name() == "menuitem";
            edited = Set(std::move(edited), copy + i, {{isTemplate ? "parent" : "type", newMenu}});
        }
    }
    return changes.empty() ? edited : Set(std::move(edited), copy, changes);
}

}  // namespace

std::optional<ElementGroup> GroupOf(const ConfigDocument& document, size_t element,
                                    std::string& refusal) {
    const auto& elements = document.Elements();
    if (element >= elements.size()) {
        refusal = "the file has no such element";
        return std::nullopt;
    }
    if (!MakesMenu(elements[element])) return ElementGroup{element, 1};
    const std::string name = elements[element].AttributeValue("name");
    const auto member = [&](const ConfigElement& each) {
        return (each.Name() == "menuitem" && each.AttributeValue("parent") == name) ||
               (each.Name() == "application" && each.AttributeValue("type") == name);
    };
    ElementGroup group{element, 1};
    while (group.first + group.count < elements.size() &&
           member(elements[group.first + group.count])) {
        ++group.count;
    }
    for (size_t i = 0; i < elements.size(); ++i) {
        if ((i < group.first || i >= group.first + group.count) && member(elements[i])) {
            refusal = "menu " + name +
                      " has templates or applications away from it in the file: put them right "
                      "below it first";
            return std::nullopt;
        }
    }
    return group;
}

EditedFile ApplyStructure(std::string_view file, const StructureChange& change, size_t* selected) {
    size_t ignored = 0;
    size_t& select = selected ? *selected : ignored;
    const ConfigDocument document = DocumentOf(file);
    if (change.kind == StructureChange::Kind::kInsert) {
        select = document.ElementCount();
        if (change.target.empty()) return InsertLines(file, document.ElementCount(), change.lines);
        const std::optional<size_t> anchor = FindByIdentity(document, change.target);
        if (!anchor) return {std::nullopt, "it has no " + change.target};
        std::string refusal;
        const std::optional<ElementGroup> group = GroupOf(document, *anchor, refusal);
        if (!group) return {std::nullopt, refusal};
        select = group->first + group->count;
        return InsertLines(file, group->first + group->count, change.lines);
    }
    const std::optional<size_t> target = FindByIdentity(document, change.target);
    if (!target) return {std::nullopt, "it has no " + change.target};
    std::string refusal;
    const std::optional<ElementGroup> group = GroupOf(document, *target, refusal);
    if (!group) return {std::nullopt, refusal};
    select = group->first;
    switch (change.kind) {
        case StructureChange::Kind::kDelete:
            if (select + group->count >= document.ElementCount() && select > 0) --select;
            return DeleteElements(file, group->first, group->count);
        case StructureChange::Kind::kDuplicate:
            select = group->first + group->count;
            return Duplicate(file, document, *group, change.newMenu);
        case StructureChange::Kind::kMoveUp:
        case StructureChange::Kind::kMoveDown: {
            const bool up = change.kind == StructureChange::Kind::kMoveUp;
            const std::optional<ElementGroup> other =
                Sibling(document, *group, up ? -1 : 1, refusal);
            if (!other) return {std::nullopt, change.target + ": " + refusal};
            select = up ? other->first : group->first + other->count;
            return MoveElements(file, group->first, group->count,
                                up ? other->first : other->first + other->count);
        }
        case StructureChange::Kind::kInsert:
            break;
    }
    return {std::nullopt, "no such change"};
}
