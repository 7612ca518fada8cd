#include "syntax_checks.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>

#include "config/decimal.h"

namespace {

const std::vector<std::string_view> kNumberKeys = {"width",     "height", "positionX",
                                                   "positionY", "timer",  "maxitems"};

bool IsPlainDecimal(std::string_view value) {
    if (!value.empty() && value.front() == '-') value.remove_prefix(1);
    return !value.empty() &&
           std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class ElementChecker {
public:
    ElementChecker(const ConfigSource& source, const Vocabulary& vocabulary, Findings& findings,
                   size_t index)
        : source_(source),
          text_(source.Text()),
          element_(source.Sources()[index]),
          findings_(findings),
          name_(text_.substr(element_.span.textBegin, element_.nameLength)),
          known_(FindElementVocabulary(vocabulary, name_)),
          vocabulary_(vocabulary) {}

    void Run() {
        if (const std::optional<size_t> inner = SwallowedOpen()) {
            ReportSwallow(*inner);
            return;
        }
        if (!CheckName()) return;
        bool previousSpaced = false;
        std::set<std::string_view> seen;
        for (const AttributeSpan& item : element_.items) {
            previousSpaced = CheckItem(item, seen);
        }
        CheckRest(previousSpaced);
    }

private:
    void Error(size_t offset, std::string message, std::string hint) {
        findings_.Error(source_.File(), source_.PositionOf(offset), std::move(message),
                        std::move(hint));
    }
    void Warning(size_t offset, std::string message, std::string hint) {
        findings_.Warning(source_.File(), source_.PositionOf(offset), std::move(message),
                          std::move(hint));
    }

    // A "<" inside the element that begins another one. Quoted values may hold "<" (a caption
    // "< Back"), unless a line break before it shows the quote ran past its line.
    std::optional<size_t> SwallowedOpen() const {
        const size_t end = element_.span.textBegin + element_.span.textLength;
        for (size_t at = element_.span.textBegin; at < end; ++at) {
            if (text_[at] != '<') continue;
            const auto holder = std::find_if(element_.items.begin(), element_.items.end(),
                                             [&](const AttributeSpan& item) {
                                                 return item.quoted && at >= item.valueBegin &&
                                                        at < item.valueBegin + item.valueLength;
                                             });
            if (holder == element_.items.end() ||
                text_.substr(holder->valueBegin, at - holder->valueBegin).find('\n') !=
                    std::string_view::npos) {
                return at;
            }
        }
        return std::nullopt;
    }

    void ReportSwallow(size_t inner) {
        if (name_.substr(0, 3) == "!--") {
            Error(element_.span.open,
                  "a comment swallows the element that follows it: only \"/>\" ends an element",
                  "remove the comment; text outside elements needs no comment marks but must "
                  "hold no \"<\"");
            return;
        }
        Error(inner,
              "\"<\" inside an element: the element <" + std::string(name_) +
                  "> is not closed before it and swallows what follows",
              "end every element with \"/>\" (a lone \">\" does not close it)");
    }

    // False when the name is so broken that checking its keys would only add noise.
    bool CheckName() {
        const size_t at = element_.span.textBegin;
        if (name_.empty()) {
            Error(element_.span.open, "element without a name: a space right after \"<\"?",
                  "write the name directly after \"<\", as in <item type=button .../>");
            return false;
        }
        if (name_.find_first_of("\t\r\n") != std::string_view::npos) {
            Error(at,
                  "the element name holds a tab or line break: only one space separates the "
                  "name from its items",
                  "write <name key=value .../> on one line with single spaces");
            return false;
        }
        if (known_) return true;
        std::vector<std::string_view> names;
        for (const ElementVocabulary& element : vocabulary_) names.push_back(element.name);
        const std::optional<std::string_view> meant = Suggest(name_, names);
        if (meant && EqualIgnoringCase(*meant, name_)) {
            Error(at,
                  "element <" + std::string(name_) + "> is not <" + std::string(*meant) +
                      ">: names are case-sensitive and the menu ignores it",
                  "write <" + std::string(*meant) + " .../>");
        } else {
            Warning(at, "unknown element <" + std::string(name_) + "> is ignored",
                    meant ? "did you mean <" + std::string(*meant) + ">?"
                          : "the menu reads only the elements it knows");
        }
        return false;
    }

    // True when the item had a space next to its "=", whose leftover the rest check skips.
    bool CheckItem(const AttributeSpan& item, std::set<std::string_view>& seen) {
        const std::string_view key = text_.substr(item.keyBegin, item.keyLength);
        const std::string_view value = text_.substr(item.valueBegin, item.valueLength);
        const size_t lead = key.find_first_not_of(" \t\r\n");
        const std::string_view trimmed =
            lead == std::string_view::npos
                ? std::string_view()
                : key.substr(lead, key.find_last_not_of(" \t\r\n") - lead + 1);
        const size_t at = item.keyBegin + (lead == std::string_view::npos ? 0 : lead);

        const bool spaceBefore = !key.empty() && key.back() == ' ';
        const bool spaceAfter = !item.quoted && item.valueLength == 0 &&
                                item.valueBegin < text_.size() && text_[item.valueBegin] == ' ';
        if (spaceBefore || spaceAfter) {
            Error(at, "spaces around \"=\" make \"" + std::string(trimmed) + "\" unreachable",
                  "write " + std::string(trimmed) + "=value without spaces");
            return true;
        }
        if (!key.empty() && (key.front() == '\n' || key.front() == '\r')) {
            Error(at,
                  "the key \"" + std::string(trimmed) +
                      "\" begins with a line break: an element must stand on one line",
                  "join the element's lines; the menu never finds this key");
            return false;
        }
        if (!key.empty() && (key.front() == ' ' || key.front() == '\t')) {
            Error(at,
                  "the key \"" + std::string(trimmed) +
                      "\" begins with a space or tab: items are separated by exactly one space",
                  "remove the extra spaces and tabs before " + std::string(trimmed) + "=");
            return false;
        }
        if (!seen.insert(key).second) {
            Warning(item.keyBegin,
                    "duplicate key \"" + std::string(key) + "\": the first value counts",
                    "remove one of them");
            return false;
        }
        CheckKnownKey(key, at);
        if (std::find(kNumberKeys.begin(), kNumberKeys.end(), key) != kNumberKeys.end() &&
            !IsPlainDecimal(value)) {
            Warning(item.valueBegin,
                    "\"" + std::string(value) + "\" is not a plain number; " + std::string(key) +
                        " reads as " + std::to_string(ReadDecimal(value)),
                    "write the number alone, without units or spaces");
        }
        return false;
    }

    void CheckKnownKey(std::string_view key, size_t at) {
        if (!known_ ||
            std::find(known_->keys.begin(), known_->keys.end(), key) != known_->keys.end())
            return;
        const std::optional<std::string_view> meant = Suggest(key, known_->keys);
        if (meant && EqualIgnoringCase(*meant, key)) {
            Error(at,
                  "key \"" + std::string(key) + "\" is not \"" + std::string(*meant) +
                      "\": keys are case-sensitive and the menu ignores it",
                  "write " + std::string(*meant) + "=");
        } else {
            Warning(at,
                    "unknown key \"" + std::string(key) + "\" in <" + std::string(name_) +
                        "> is ignored",
                    meant ? "did you mean \"" + std::string(*meant) + "\"?"
                          : "the menu reads only the keys it knows");
        }
    }

    void CheckRest(bool previousSpaced) {
        switch (element_.rest.kind) {
            case AttributeRest::Kind::kNone:
                return;
            case AttributeRest::Kind::kKey:
                if (previousSpaced) return;
                Warning(element_.rest.begin,
                        "text without \"=\" at the end of <" + std::string(name_) + "> is ignored",
                        "every item is key=value");
                return;
            case AttributeRest::Kind::kEmptyValue:
                Warning(element_.rest.begin, "the last item has nothing after \"=\" and is dropped",
                        "write key=\"\" for an empty value, or remove the item");
                return;
            case AttributeRest::Kind::kOpenQuote:
                Error(element_.rest.begin, "unclosed quote: this item is lost",
                      "close the value with a double quote; values cannot hold one");
                return;
        }
    }

    const ConfigSource& source_;
    std::string_view text_;
    const ElementSource& element_;
    Findings& findings_;
    std::string_view name_;
    const ElementVocabulary* known_;
    const Vocabulary& vocabulary_;
};

}  // namespace

void CheckSyntax(const ConfigSource& source, const Vocabulary& vocabulary, Findings& findings) {
    for (size_t i = 0; i < source.Sources().size(); ++i) {
        ElementChecker(source, vocabulary, findings, i).Run();
    }
    if (const std::optional<size_t> open = source.UnclosedElement()) {
        findings.Error(source.File(), source.PositionOf(*open),
                       "element not closed with \"/>\" before the end of the file: it is dropped",
                       "end the element with \"/>\"");
    }
}
