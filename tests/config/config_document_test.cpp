#include "config/config_document.h"

#include <gtest/gtest.h>

#include <string>

#include "temp_dir.h"

namespace {

using namespace std::string_literals;

class ConfigDocumentTest : public testing::Test {
protected:
    TempDir dir_;
};

TEST_F(ConfigDocumentTest, MissingFilesReportMinusOneAndChangeNothing) {
    ConfigDocument document;
    EXPECT_EQ(document.LoadText(dir_.Path("none.dat")), -1);
    EXPECT_EQ(document.LoadBinary(dir_.Path("none.bin")), -1);
    EXPECT_EQ(document.ElementCount(), 0u);
    EXPECT_EQ(document.Text(), "");
}

TEST_F(ConfigDocumentTest, EmptyTextFileLoadsWithoutElements) {
    ConfigDocument document;
    EXPECT_EQ(document.LoadText(dir_.Write("empty.dat", "")), 0);
    EXPECT_EQ(document.ElementCount(), 0u);
    ConfigElement window;
    document.FindElement("window", window);
    EXPECT_EQ(window.Name(), "");
    EXPECT_EQ(window.AttributeValue("title"), "");
}

TEST_F(ConfigDocumentTest, TextFormEndsEveryLineWithOneLineFeed) {
    ConfigDocument document;
    ASSERT_EQ(document.LoadText(dir_.Write("a.dat", "<a/>\r\n<b/>\n\r\r\n<c/>")), 0);
    EXPECT_EQ(document.Text(), "<a/>\n<b/>\n\r\n<c/>\n");
    EXPECT_EQ(document.ElementCount(), 3u);
}

TEST_F(ConfigDocumentTest, CrLfDoesNotReachValues) {
    ConfigDocument document;
    ASSERT_EQ(document.LoadText(dir_.Write("a.dat", "<e a=\"1\"\r\nb=2/>\r\n")), 0);
    ConfigElement element;
    document.GetElement(0, element);
    EXPECT_EQ(element.AttributeName(1), "\nb");
}

TEST_F(ConfigDocumentTest, TextFormEndsAtCtrlZAndTheByteWiseFormDoesNot) {
    ConfigDocument document;
    ASSERT_EQ(document.LoadText(dir_.Write("a.dat", "<a/>\r\n<b x=1\x1a/>\n<c/>\n")), 0);
    EXPECT_EQ(document.Text(), "<a/>\n<b x=1\n");
    EXPECT_EQ(document.ElementCount(), 1u);
    ASSERT_EQ(document.LoadBinary(dir_.Write("a.bin", "<\0b\0\x1a\0/\0>\0"s)), 0);
    EXPECT_EQ(document.Text(), "<b\x1a/>");
}

TEST_F(ConfigDocumentTest, HugeFilesCannotBeOpenedAndChangeNothing) {
    ConfigDocument document;
    ASSERT_EQ(document.LoadText(dir_.Write("a.dat", "<a/>")), 0);
    EXPECT_EQ(document.LoadText(dir_.Sparse("huge.dat", 1'500'000'000)), -1);
    EXPECT_EQ(document.LoadBinary(dir_.Sparse("huge.bin", 1'500'000'000)), -1);
    EXPECT_EQ(document.Text(), "<a/>\n");
    EXPECT_EQ(document.ElementCount(), 1u);
}

TEST_F(ConfigDocumentTest, BinaryFormReadsLowBytesAndSkipsZeroUnits) {
    ConfigDocument document;
    const std::string units = "<\0e\0 \0\0\xFFt\0=\0\xB3\xFF/\0>\0"s;
    ASSERT_EQ(document.LoadBinary(dir_.Write("a.bin", units)), 0);
    EXPECT_EQ(document.Text(), "<e t=\xB3/>");
    ConfigElement element;
    document.FindElement("e", element);
    EXPECT_EQ(element.AttributeValue("t"), "\xB3");
}

TEST_F(ConfigDocumentTest, BinaryFormOfOddLengthReadsLastByte) {
    ConfigDocument document;
    ASSERT_EQ(document.LoadBinary(dir_.Write("odd.bin", "<\0a\0/\0>"s)), 0);
    EXPECT_EQ(document.Text(), "<a/>");
    EXPECT_EQ(document.ElementCount(), 1u);
}

TEST_F(ConfigDocumentTest, SaveBinaryWritesSignExtendedUnitsThatLoadBack) {
    ConfigDocument source;
    ASSERT_EQ(source.LoadText(dir_.Write("menu.dat", "<e t=\"\xB3\xF3\" n=5/>\r\n")), 0);
    const std::string path = dir_.Path("menu.bin");
    ASSERT_EQ(source.SaveBinary(path), 0);
    EXPECT_EQ(TempDir::Read(path),
              "<\0e\0 \0t\0=\0\"\0\xB3\xFF\xF3\xFF\"\0 \0n\0=\0"
              "5\0/\0>\0\n\0"s);

    ConfigDocument copy;
    ASSERT_EQ(copy.LoadBinary(path), 0);
    EXPECT_EQ(copy.Text(), source.Text());
    EXPECT_EQ(copy.Elements().size(), 1u);
}

TEST_F(ConfigDocumentTest, BytesParseAsTheirFilesLoad) {
    const std::string text = "<a x=1/>\r\n<b y=\"\xB3\"/>";
    ConfigDocument loaded;
    ASSERT_EQ(loaded.LoadText(dir_.Write("a.dat", text + "\x1a<c/>")), 0);
    ConfigDocument parsed;
    ASSERT_EQ(parsed.ParseText(text), 0);
    EXPECT_EQ(parsed.Text(), loaded.Text());
    EXPECT_EQ(parsed.Elements(), loaded.Elements());

    const std::string path = dir_.Path("a.bin");
    ASSERT_EQ(loaded.SaveBinary(path), 0);
    EXPECT_EQ(loaded.ByteWiseForm(), TempDir::Read(path));
    ConfigDocument units;
    ASSERT_EQ(units.ParseBinary(TempDir::Read(path)), 0);
    EXPECT_EQ(units.Elements(), loaded.Elements());
}

TEST_F(ConfigDocumentTest, SaveBinaryIntoMissingFolderFails) {
    ConfigDocument document;
    EXPECT_EQ(document.SaveBinary(dir_.Path("no/such/folder/menu.bin")), -1);
}

TEST_F(ConfigDocumentTest, LookupsCopyAndLastElementOfANameWins) {
    ConfigDocument document;
    ASSERT_EQ(
        document.LoadText(dir_.Write("a.dat", "<window width=1/>\n<item/>\n<window width=2/>\n")),
        0);
    ConfigElement found;
    document.FindElement("window", found);
    EXPECT_EQ(found.AttributeValue("width"), "2");
    EXPECT_EQ(found.AttributeValue("Width"), "");

    ConfigElement first;
    document.GetElement(0, first);
    EXPECT_EQ(first.AttributeValue("width"), "1");

    ConfigElement untouched("kept", {{"k", "v"}});
    document.GetElement(3, untouched);
    document.FindElement("menu", untouched);
    EXPECT_EQ(untouched.Name(), "kept");
    EXPECT_EQ(untouched.AttributeName(0), "k");
    EXPECT_EQ(untouched.AttributeName(1), "niepoprawny indeks");

    ASSERT_EQ(document.LoadText(dir_.Write("b.dat", "<other/>\n")), 0);
    EXPECT_EQ(first.AttributeValue("width"), "1");
}

TEST_F(ConfigDocumentTest, SecondLoadKeepsElementsWhenNewTextHasNone) {
    ConfigDocument document;
    ASSERT_EQ(document.LoadText(dir_.Write("a.dat", "<a/>\n<b/>\n")), 0);
    ASSERT_EQ(document.LoadText(dir_.Write("b.dat", "no elements <open")), 0);
    EXPECT_EQ(document.Text(), "no elements <open\n");
    EXPECT_EQ(document.ElementCount(), 2u);

    ASSERT_EQ(document.LoadText(dir_.Write("c.dat", "")), 0);
    EXPECT_EQ(document.Text(), "");
    EXPECT_EQ(document.ElementCount(), 2u);

    ASSERT_EQ(document.LoadBinary(dir_.Write("d.bin", "<\0c\0/\0>\0"s)), 0);
    ASSERT_EQ(document.ElementCount(), 1u);
    EXPECT_EQ(document.Elements()[0].Name(), "c");
}

TEST_F(ConfigDocumentTest, GarbageLoadsWithoutHarm) {
    std::string garbage;
    for (int i = 0; i < 70000; ++i) garbage += static_cast<char>((i * 7919) % 256);
    ConfigDocument text;
    EXPECT_EQ(text.LoadText(dir_.Write("g.dat", garbage)), 0);
    ConfigDocument binary;
    EXPECT_EQ(binary.LoadBinary(dir_.Write("g.bin", garbage)), 0);
    for (const ConfigElement& element : binary.Elements()) {
        EXPECT_EQ(element.Name().find('\0'), std::string::npos);
    }
}

}  // namespace
