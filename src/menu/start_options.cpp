#include "menu/start_options.h"

#include "config/config_document.h"

StartOptions ReadStartOptions(const ConfigDocument& document) {
    StartOptions options;
    for (const ConfigElement& element : document.Elements()) {
        const std::string tag = element.Name();
        if (tag == "window") {
            // Each listing of "intro" shows the picture once more; the first value decides.
            for (const ConfigAttribute& attribute : element.Attributes()) {
                if (attribute.key == "intro" && element.AttributeValue("intro") == "true") {
                    options.steps.push_back({StartStep::Kind::Intro, {}, {}});
                } else if (attribute.key == "outro" && element.AttributeValue("outro") == "true") {
                    options.outro = true;
                }
            }
        } else if (tag == "item" && element.AttributeValue("type") == "message") {
            options.steps.push_back({StartStep::Kind::Message, element.AttributeValue("title"),
                                     element.AttributeValue("text")});
        }
    }
    return options;
}
