#include "language_checks.h"

#include "config/decimal.h"
#include "dialogs/language_file.h"
#include "value_checks.h"
#include "vocabulary.h"

std::vector<LanguageEntry> CheckLanguageFile(const ConfigSource& source,
                                             ReferenceChecker& references, Findings& findings,
                                             std::vector<ButtonBinding>& bindings) {
    std::vector<LanguageEntry> languages;
    bool window = false;
    for (size_t i = 0; i < source.Elements().size(); ++i) {
        const ConfigElement& element = source.Elements()[i];
        if (element.Name() == "window") {
            window = true;
            CheckColour(source, i, "bgcolor", element.AttributeValue("bgcolor"), findings);
            continue;
        }
        if (element.Name() != "item") continue;
        const std::string type = element.AttributeValue("type");
        if (type != "button") {
            const TextPosition at = source.ValuePosition(i, "type");
            if (EqualIgnoringCase(type, "button")) {
                findings.Error(source.File(), at,
                               "item type \"" + type + "\" is not \"button\": no language button",
                               "write type=button");
            } else {
                findings.Warning(source.File(), at,
                                 "only items of type=button make language buttons; this one "
                                 "makes nothing",
                                 "write type=button");
            }
            continue;
        }
        const std::string name = element.AttributeValue("name");
        if (name.empty()) {
            findings.Error(source.File(), source.ElementPosition(i),
                           "language button without a name: choosing it opens \"Menu\\.dat\"",
                           "name=xx names the menu description Menu\\xx.dat");
        }
        languages.push_back({name, i});
        const std::string image = element.AttributeValue("image");
        references.ButtonStrip(source, i, "image", image,
                               ReadDecimal(element.AttributeValue("width")),
                               ReadDecimal(element.AttributeValue("height")));
        bindings.push_back({kFirstLanguageButtonId + static_cast<int>(languages.size()) - 1, image,
                            source.File(), source.ElementPosition(i)});
    }
    const LanguageFile file = ReadLanguageFile(source.Document());
    if (!window) {
        findings.Error(source.File(), {}, "no <window> element: the language dialog is 0x0",
                       "add <window width=400 height=160 bgcolor=\"255;255;255\"/>");
    } else if (file.width <= 0 || file.height <= 0) {
        findings.Error(source.File(), {},
                       "the language dialog is " + std::to_string(file.width) + "x" +
                           std::to_string(file.height),
                       "give <window> a positive width and height");
    }
    if (languages.empty()) {
        findings.Error(source.File(), {},
                       "no language buttons: the dialog stays empty and the menu never starts",
                       "add <item type=button name=pl text=\"Polski\" image=... .../>");
    }
    return languages;
}
