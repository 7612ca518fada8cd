#include "player_checks.h"

#include "audio/player_config.h"
#include "config/decimal.h"
#include "vocabulary.h"

namespace {

void CheckName(const ConfigSource& source, size_t i, const std::string& value,
               const std::vector<std::string_view>& known, std::string_view what,
               Findings& findings) {
    const std::optional<std::string_view> meant = Suggest(value, known);
    const TextPosition at = source.ValuePosition(i, "name");
    if (meant && EqualIgnoringCase(*meant, value)) {
        findings.Error(source.File(), at,
                       std::string(what) + " \"" + value + "\" is not \"" + std::string(*meant) +
                           "\": nothing is made",
                       "write name=" + std::string(*meant));
    } else {
        findings.Warning(source.File(), at,
                         "unknown " + std::string(what) + " \"" + value + "\": nothing is made",
                         meant ? "did you mean \"" + std::string(*meant) + "\"?"
                               : "the player knows close, start, stop and the status region");
    }
}

}  // namespace

void CheckPlayerFile(const ConfigSource& source, ReferenceChecker& references, Findings& findings,
                     std::vector<ButtonBinding>& bindings) {
    if (source.Elements().empty()) {
        findings.Error(source.File(), {},
                       "no elements: the player shows \"Brak pliku konfiguracyjnego.\"",
                       "add <window .../>, <audio .../> and its <item> elements");
        return;
    }
    const PlayerConfig config = ReadPlayerConfig(source.Document());
    for (size_t i = 0; i < source.Elements().size(); ++i) {
        const ConfigElement& element = source.Elements()[i];
        const std::string type = element.AttributeValue("type");
        const std::string name = element.AttributeValue("name");
        if (element.Name() == "audio") {
            if (type == "mp3") {
                references.File(source, i, "file", element.AttributeValue("file"),
                                Severity::kError);
            } else if (type != "cda") {
                const bool caseOnly =
                    EqualIgnoringCase(type, "cda") || EqualIgnoringCase(type, "mp3");
                findings.Add(caseOnly ? Severity::kError : Severity::kWarning, source.File(),
                             source.ValuePosition(i, "type"),
                             "audio type \"" + type +
                                 "\" is neither \"cda\" nor \"mp3\": the "
                                 "player plays nothing",
                             "write type=cda for the disc's tracks or type=mp3 with file=...");
            }
        } else if (element.Name() == "item" && type == "button") {
            const int id = PlayerButtonId(name);
            if (id == 0) {
                CheckName(source, i, name, {"close", "start", "stop"}, "player button", findings);
                continue;
            }
            const std::string image = element.AttributeValue("image");
            references.ButtonStrip(source, i, "image", image,
                                   ReadDecimal(element.AttributeValue("width")),
                                   ReadDecimal(element.AttributeValue("height")));
            bindings.push_back({id, image, source.File(), source.ElementPosition(i)});
        } else if (element.Name() == "item" && type == "region") {
            if (name != "status") CheckName(source, i, name, {"status"}, "region", findings);
        } else if (element.Name() == "item") {
            findings.Warning(source.File(), source.ValuePosition(i, "type"),
                             "player item of type \"" + type + "\" makes nothing",
                             "write type=button or type=region");
        }
    }
    if (config.width <= 0 || config.height <= 0) {
        findings.Error(source.File(), {},
                       "the player is " + std::to_string(config.width) + "x" +
                           std::to_string(config.height) + ": only Alt+F4 closes it",
                       "give <window> a positive width and height");
    }
}
