#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/ScratchDirectory.h"
#include "support/TestDataSet.h"
#include "xml/Markup.h"
#include "xml/XmlTextFile.h"

namespace tessark {
namespace {

namespace fs = std::filesystem;
using test::ReadWholeFile;

class XmlTextFileTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return dir.File(name); }
    std::string WriteBytes(const std::string& name, const std::string& bytes) const
    {
        EXPECT_TRUE(test::WriteTextFile(PathOf(name), bytes));
        return PathOf(name);
    }

    test::ScratchDirectory dir;
};

std::string Utf16Le(std::initializer_list<unsigned> units)
{
    std::string bytes = "\xFF\xFE";
    for (unsigned unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST_F(XmlTextFileTest, ReadsUtf16LittleEndianAsUtf8)
{
    // "<a v=\"é€😀\"/>" with the emoji as a surrogate pair.
    const auto units = {0x3Cu, 0x61u, 0x20u, 0x76u, 0x3Du, 0x22u, 0xE9u, 0x20ACu, 0xD83Du, 0xDE00u,
                        0x22u, 0x2Fu, 0x3Eu};
    XmlTextFile file = ReadXmlTextFile(WriteBytes("utf16.xml", Utf16Le(units)));
    ASSERT_EQ(file.result, XmlReadResult::Ok);
    EXPECT_EQ(file.text, "<a v=\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\"/>");
    CMarkup markup(file.text);
    ASSERT_TRUE(markup.FindElement("a"));
    EXPECT_EQ(markup.GetAttribute("v"), "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");

    // Lone surrogates become U+FFFD; the text ends at a zero unit; an odd last byte is a unit.
    file = ReadXmlTextFile(WriteBytes("lone.xml", Utf16Le({0x41, 0xDC00, 0x42, 0xD800, 0x43, 0xD800})));
    ASSERT_EQ(file.result, XmlReadResult::Ok);
    EXPECT_EQ(file.text, "A\xEF\xBF\xBD" "B\xEF\xBF\xBD" "C\xEF\xBF\xBD");
    file = ReadXmlTextFile(WriteBytes("zero.xml", Utf16Le({0x41, 0x42, 0, 0x43})));
    EXPECT_EQ(file.text, "AB");
    file = ReadXmlTextFile(WriteBytes("odd.xml", Utf16Le({0x41}) + "Z"));
    EXPECT_EQ(file.text, "AZ");

    // Only the UTF-16 LE mark is recognised: a UTF-8 mark stays and the parser passes it over.
    file = ReadXmlTextFile(WriteBytes("utf8.xml", "\xEF\xBB\xBF<r/>"));
    EXPECT_EQ(file.text, "\xEF\xBB\xBF<r/>");
    EXPECT_TRUE(CMarkup(file.text).FindElement("r"));
    file = ReadXmlTextFile(WriteBytes("bigendian.xml", "\xFE\xFF\0<"));
    EXPECT_EQ(file.text, "\xFE\xFF");
}

TEST_F(XmlTextFileTest, RejectsTextFarShorterThanTheFile)
{
    std::string bytes(1000, '\0');
    bytes.replace(0, 10, "<spawns/> ");
    XmlTextFile file = ReadXmlTextFile(WriteBytes("binary.xml", bytes));
    EXPECT_EQ(file.result, XmlReadResult::BinaryData);
    EXPECT_EQ(file.text, "");

    // 100 bytes: text of 30 is enough, 29 is not.
    std::string edge(100, '\0');
    edge.replace(0, 30, std::string(30, 'x'));
    EXPECT_EQ(ReadXmlTextFile(WriteBytes("edge30.xml", edge)).result, XmlReadResult::Ok);
    edge[29] = '\0';
    EXPECT_EQ(ReadXmlTextFile(WriteBytes("edge29.xml", edge)).result, XmlReadResult::BinaryData);

    // Files shorter than 42 bytes are never rejected; at 42 an empty text is.
    file = ReadXmlTextFile(WriteBytes("zeros41.xml", std::string(41, '\0')));
    EXPECT_EQ(file.result, XmlReadResult::Ok);
    EXPECT_EQ(file.text, "");
    EXPECT_EQ(ReadXmlTextFile(WriteBytes("zeros42.xml", std::string(42, '\0'))).result,
              XmlReadResult::BinaryData);
    EXPECT_EQ(ReadXmlTextFile(WriteBytes("empty.xml", "")).result, XmlReadResult::Ok);

    // In UTF-16 the rule counts the file's bytes against the converted text.
    std::string wide = Utf16Le({0x41, 0});
    wide.append(60, '\0');
    EXPECT_EQ(ReadXmlTextFile(WriteBytes("wide.xml", wide)).result, XmlReadResult::BinaryData);
}

TEST_F(XmlTextFileTest, WritesBytesExactlyAndKeepsTheOldFileOnFailure)
{
    const std::string path = PathOf("out.xml");
    const std::string text = "<?xml version=\"1.0\"?>\r\n<a v=\"\xC3\xA9\"/>\r\n";
    ASSERT_TRUE(WriteXmlTextFile(path, text));
    EXPECT_EQ(ReadWholeFile(path), text);
    ASSERT_TRUE(WriteXmlTextFile(path, "<b/>"));
    EXPECT_EQ(ReadWholeFile(path), "<b/>");
    XmlTextFile file = ReadXmlTextFile(path);
    EXPECT_EQ(file.result, XmlReadResult::Ok);
    EXPECT_EQ(file.text, "<b/>");

    EXPECT_FALSE(WriteXmlTextFile(PathOf("no-such-dir/out.xml"), text));
    EXPECT_FALSE(fs::exists(PathOf("no-such-dir")));

    // A target that cannot be replaced stays as it was, with no temporary file left behind.
    const std::string blocked = PathOf("blocked.xml");
    fs::create_directory(blocked);
    WriteBytes("blocked.xml/keep", "old");
    EXPECT_FALSE(WriteXmlTextFile(blocked, text));
    EXPECT_EQ(ReadWholeFile(PathOf("blocked.xml/keep")), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 2);  // out.xml and blocked.xml
}

}  // namespace
}  // namespace tessark
