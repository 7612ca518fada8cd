#include "config/config_grammar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Element {
    std::string name;
    std::vector<ConfigAttribute> attributes;
};

struct GrammarCase {
    const char* rule;
    std::string text;
    std::vector<Element> expected;
};

class GrammarTest : public testing::TestWithParam<GrammarCase> {};

TEST_P(GrammarTest, ParsesElementsAndItems) {
    const GrammarCase& c = GetParam();
    const std::vector<ConfigElement> elements = ParseElements(c.text);
    ASSERT_EQ(elements.size(), c.expected.size());
    for (size_t i = 0; i < elements.size(); ++i) {
        EXPECT_EQ(elements[i].Name(), c.expected[i].name) << "element " << i;
        EXPECT_EQ(elements[i].Attributes(), c.expected[i].attributes) << "element " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, GrammarTest,
    testing::Values(
        GrammarCase{"well_formed_line",
                    "<window title=\"Start\" width=640 height=480/>\n",
                    {{"window", {{"title", "Start"}, {"width", "640"}, {"height", "480"}}}}},
        GrammarCase{"text_between_elements_is_ignored",
                    "hello <a/> world\n<b/> end",
                    {{"a", {}}, {"b", {}}}},
        GrammarCase{"lone_close_swallows_next_element",
                    "<a x=1> <b y=2/>",
                    {{"a", {{"x", "1>"}, {"<b y", "2"}}}}},
        GrammarCase{"comment_swallows_next_element",
                    "<!-- text -->\n<e a=1/>",
                    {{"!--", {{"text -->\n<e a", "1"}}}}},
        GrammarCase{"empty_name_from_slash_only", "</>", {{"", {}}}},
        GrammarCase{"space_after_open_gives_empty_name", "< w a=1/>", {{"", {{"w a", "1"}}}}},
        GrammarCase{"duplicate_keys_are_kept", "<e k=1 k=2/>", {{"e", {{"k", "1"}, {"k", "2"}}}}},
        GrammarCase{"spaces_around_equals", "<e a = 1/>", {{"e", {{"a ", ""}}}}},
        GrammarCase{
            "element_over_two_lines", "<e a=\"x\"\nb=2/>", {{"e", {{"a", "x"}, {"\nb", "2"}}}}},
        GrammarCase{"quoted_value_holds_space_and_equals",
                    "<e t=\"a b=c\" n=5/>",
                    {{"e", {{"t", "a b=c"}, {"n", "5"}}}}},
        GrammarCase{"unclosed_quote_drops_item", "<e a=\"x/>", {{"e", {}}}},
        GrammarCase{"empty_unquoted_value", "<e a= b=2/>", {{"e", {{"a", ""}, {"b", "2"}}}}},
        GrammarCase{"empty_quoted_value", "<e a=\"\"/>", {{"e", {{"a", ""}}}}},
        GrammarCase{"third_space_after_unquoted_starts_key",
                    "<e a=1   b=2/>",
                    {{"e", {{"a", "1"}, {" b", "2"}}}}},
        GrammarCase{"two_spaces_after_unquoted_are_one_separator",
                    "<e a=1  b=2/>",
                    {{"e", {{"a", "1"}, {"b", "2"}}}}},
        GrammarCase{"second_space_after_quoted_starts_key",
                    "<e a=\"1\"  b=2/>",
                    {{"e", {{"a", "1"}, {" b", "2"}}}}},
        GrammarCase{"equals_at_end_drops_item", "<e a=1 b=/>", {{"e", {{"a", "1"}}}}},
        GrammarCase{
            "space_after_equals_at_end_gives_empty_value", "<e a= />", {{"e", {{"a", ""}}}}},
        GrammarCase{"quote_at_end_drops_item", "<e a=\"/>", {{"e", {}}}},
        GrammarCase{"close_inside_quotes_still_closes", "<e a=\"x/> y\"/>", {{"e", {}}}},
        GrammarCase{"key_without_value_is_dropped", "<e a=1 flag/>", {{"e", {{"a", "1"}}}}},
        GrammarCase{"tab_does_not_split_name", "<e\ta=1/>", {{"e\ta=1", {}}}},
        GrammarCase{"lone_gt_and_lt_belong_to_element", "<a>b<c/>", {{"a>b<c", {}}}},
        GrammarCase{"open_element_at_end_is_dropped", "<a/><b x=1", {{"a", {}}}},
        GrammarCase{"quote_inside_unquoted_value_is_kept",
                    "<e a=x\"y b=2/>",
                    {{"e", {{"a", "x\"y"}, {"b", "2"}}}}},
        GrammarCase{"bytes_above_ascii_pass_unchanged",
                    "<e t=\"\xB3\xF3\xBF\"/>",
                    {{"e", {{"t", "\xB3\xF3\xBF"}}}}},
        GrammarCase{"no_elements", "just text > and / and />", {}}),
    [](const testing::TestParamInfo<GrammarCase>& param) { return std::string(param.param.rule); });

TEST(GrammarSpans, PointAtTheBytesTheItemsAreMadeOf) {
    const std::string text = "x <e a=1  b=\"q r\" c/> <open k=v";
    std::vector<ElementSpan> elements;
    EXPECT_EQ(ScanElements(text, [&](const ElementSpan& span) { elements.push_back(span); }),
              text.find("<open"));
    ASSERT_EQ(elements.size(), 1u);
    EXPECT_EQ(elements[0].open, 2u);
    const std::string_view element =
        std::string_view(text).substr(elements[0].textBegin, elements[0].textLength);
    EXPECT_EQ(element, "e a=1  b=\"q r\" c");

    const std::string_view attributes = element.substr(2);
    std::vector<std::string> seen;
    const AttributeRest rest = ScanAttributes(attributes, [&](const AttributeSpan& span) {
        seen.push_back(std::string(attributes.substr(span.keyBegin, span.keyLength)) + "|" +
                       std::string(attributes.substr(span.valueBegin, span.valueLength)) +
                       (span.quoted ? "|q" : ""));
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"a|1", "b|q r|q"}));
    EXPECT_EQ(rest.kind, AttributeRest::Kind::kKey);
    EXPECT_EQ(attributes.substr(rest.begin), "c");
}

TEST(GrammarSpans, TellWhatTheEndOfAnAttributeTextDrops) {
    auto rest = [](std::string_view text) {
        return ScanAttributes(text, [](const AttributeSpan&) {});
    };
    EXPECT_EQ(rest("a=1").kind, AttributeRest::Kind::kNone);
    EXPECT_EQ(rest("a=1 b=").kind, AttributeRest::Kind::kEmptyValue);
    EXPECT_EQ(rest("a=1 b=").begin, 4u);
    EXPECT_EQ(rest("a=\"x").kind, AttributeRest::Kind::kOpenQuote);
    EXPECT_EQ(rest("a=\"x\" ").kind, AttributeRest::Kind::kNone);
}

}  // namespace
