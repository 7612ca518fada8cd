#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sstream>
#include <string_view>

#include "config/byte_units.h"
#include "cp1250.h"
#include "document_from_text.h"
#include "element_dump.h"
#include "finding.h"
#include "findings_output.h"

namespace {

// Expected UTF-8, whatever the execution character set of narrow literals.
std::string Utf8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

TEST(Cp1250, PolishLettersAndPunctuationBecomeUtf8) {
    EXPECT_EQ(Cp1250ToUtf8("Pe\xB3ne \xA3\xF3\xBF\xEAk"),
              Utf8(u8"Pe\u0142ne \u0141\u00F3\u017C\u0119k"));
    EXPECT_EQ(Cp1250ToUtf8("\x80 \x84\x93\x94 \x96"), Utf8(u8"\u20AC \u201E\u201C\u201D \u2013"));
    EXPECT_EQ(Cp1250ToUtf8("plain ASCII\n"), "plain ASCII\n");
    EXPECT_EQ(Cp1250ToUtf8("\x81"), Utf8(u8"\u0081"));
}

TEST(ElementDump, ShowsWhatTheParserMadeOfTrickyText) {
    const ConfigDocument document =
        DocumentFromText("<e a = 1/>\n<f k=\"x\"\nb=2 k=3/>\n<g\tx=1/>\n< w a=1/>\n");
    EXPECT_EQ(DumpText(document),
              "[0] e\n"
              "    \"a \" = \"\"\n"
              "[1] f\n"
              "    \"k\" = \"x\"\n"
              "    \"\\nb\" = \"2\"\n"
              "    \"k\" = \"3\"\n"
              "[2] g\\tx=1\n"
              "[3] \n"
              "    \"w a\" = \"1\"\n");
}

TEST(ElementDump, JsonKeepsOrderAndDuplicatesInUtf8) {
    const ConfigDocument document =
        DocumentFromText("<menu name=a text=\"Pe\xB3ne\" name=b/>\n<x/>\n");
    const nlohmann::json parsed = nlohmann::json::parse(DumpJson(document));
    const nlohmann::json expected = nlohmann::json::parse(R"([
        {"name": "menu", "attributes": [["name", "a"], ["text", "Pe\u0142ne"], ["name", "b"]]},
        {"name": "x", "attributes": []}])");
    EXPECT_EQ(parsed, expected);
}

TEST(ElementDump, ControlCharactersBecomeEscapes) {
    EXPECT_EQ(MakeVisible(std::string("a\r\n\t\x01\x7F\\b", 8)), "a\\r\\n\\t\\x01\\x7F\\b");
}

TEST(ByteUnits, RoundTripEveryByteButZero) {
    std::string text;
    for (int c = 1; c < 256; ++c) text += static_cast<char>(c);
    const std::string units = EncodeByteUnits(text);
    EXPECT_EQ(units.substr(0, 4), std::string("\x01\x00\x02\x00", 4));
    EXPECT_EQ(units.substr(units.size() - 2), "\xFF\xFF");
    EXPECT_EQ(DecodeByteUnits(units), text);
    EXPECT_EQ(EncodeByteUnits(DecodeByteUnits(units)), units);
    // An odd last byte is one more character; a zero unit adds nothing.
    EXPECT_EQ(DecodeByteUnits(std::string("a\0\0\0b", 5)), "ab");
}

TEST(FindingsOutput, TextAndJsonCarryTheSameFindings) {
    Findings findings;
    findings.Warning("b.dat", {}, "whole file", "");
    findings.Error("a.dat", {3, 7}, "Pe\xB3ne", "fix it");
    findings.Sort();
    std::ostringstream text;
    PrintFindings(findings, text);
    EXPECT_EQ(
        text.str(),
        Utf8(u8"a.dat:3:7: error: Pe\u0142ne\n    hint: fix it\nb.dat: warning: whole file\n"));
    const nlohmann::json json = nlohmann::json::parse(FindingsJson(findings));
    EXPECT_EQ(json["errors"], 1);
    EXPECT_EQ(json["warnings"], 1);
    EXPECT_EQ(json["findings"][0]["message"], Utf8(u8"Pe\u0142ne"));
    EXPECT_EQ(json["findings"][0]["line"], 3);
    EXPECT_EQ(json["findings"][1]["severity"], "warning");
}

}  // namespace
