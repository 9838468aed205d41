#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/ScratchDirectory.h"
#include "support/TestDataSet.h"
#include "xml/XmlAttributes.h"
#include "xml/XmlElementStream.h"
#include "xml/XmlTextFile.h"
#include "xml/XmlTextWindow.h"

namespace tessark {
namespace {

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

TEST_F(XmlTextFileTest, ReadsUtf16AsUtf8AndRejectsTextFarShorterThanTheFile)
{
    const std::string x30(30, 'x');
    std::string wide = Utf16Le({0x41, 0});
    wide.append(60, '\0');
    const struct {
        std::string bytes;
        XmlReadResult result;
        std::string text;
    } cases[] = {
        // "<a v=\"é€😀\"/>" with the emoji as a surrogate pair.
        {Utf16Le({0x3C, 0x61, 0x20, 0x76, 0x3D, 0x22, 0xE9, 0x20AC, 0xD83D, 0xDE00, 0x22, 0x2F, 0x3E}),
         XmlReadResult::Ok, "<a v=\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\"/>"},
        // Lone surrogates become U+FFFD; the text ends at a zero unit; an odd last byte is a unit.
        {Utf16Le({0x41, 0xDC00, 0x42, 0xD800, 0x43, 0xD800}), XmlReadResult::Ok,
         "A\xEF\xBF\xBD" "B\xEF\xBF\xBD" "C\xEF\xBF\xBD"},
        {Utf16Le({0x41, 0x42, 0, 0x43}), XmlReadResult::Ok, "AB"},
        {Utf16Le({0x41}) + "Z", XmlReadResult::Ok, "AZ"},
        // Only the UTF-16 LE mark is recognised: a UTF-8 mark stays (the parser passes it over).
        {"\xEF\xBB\xBF<r/>", XmlReadResult::Ok, "\xEF\xBB\xBF<r/>"},
        {std::string("\xFE\xFF\0<", 4), XmlReadResult::Ok, "\xFE\xFF"},
        {"<spawns/> " + std::string(990, '\0'), XmlReadResult::BinaryData, ""},
        // 100 bytes: text of 30 is enough, 29 is not.
        {x30 + std::string(70, '\0'), XmlReadResult::Ok, x30},
        {x30.substr(1) + std::string(71, '\0'), XmlReadResult::BinaryData, ""},
        // Files shorter than 42 bytes are never rejected; at 42 an empty text is.
        {std::string(41, '\0'), XmlReadResult::Ok, ""},
        {std::string(42, '\0'), XmlReadResult::BinaryData, ""},
        {"", XmlReadResult::Ok, ""},
        // In UTF-16 the rule counts the file's bytes against the converted text.
        {wide, XmlReadResult::BinaryData, ""},
    };
    for (const auto& c : cases) {
        const XmlTextFile file = ReadXmlTextFile(WriteBytes("t.xml", c.bytes));
        EXPECT_EQ(file.result, c.result) << testing::PrintToString(c.bytes);
        EXPECT_EQ(file.text, c.text) << testing::PrintToString(c.bytes);
    }
}

// Each step of the walk as text: kinds, positions in the whole text, names, attribute values.
std::vector<std::string> WalkTrace(XmlElementStream& stream)
{
    const std::vector<std::string_view> names = {"x", "v", "w", "id", "a"};
    std::vector<std::string> trace;
    for (;;) {
        const XmlElementStream::Step step = stream.Next();
        std::string line;
        if (step == XmlElementStream::Step::Start) {
            line = "start " + std::to_string(stream.Offset() + stream.TagBegin()) + " " +
                   std::to_string(stream.Offset() + stream.TagEnd()) + " " + std::string(stream.Name()) +
                   (stream.IsEmpty() ? " empty" : "") + (stream.PlainTag() ? " plain" : "") + " " +
                   std::to_string(stream.Depth());
            const XmlAttributes attributes(stream.Text(), stream.TagBegin(), stream.TagEnd());
            std::vector<std::string> values(names.size());
            attributes.GetMany(names, values);
            for (const std::string& value : values) {
                line += " [" + value + "]";
            }
            line += " " + attributes.Get("v");
        } else if (step == XmlElementStream::Step::End) {
            line = "end " + std::to_string(stream.Offset() + stream.EndTagBegin()) + " " +
                   std::to_string(stream.Offset() + stream.EndTagEnd()) + " " + std::to_string(stream.Depth());
        } else {
            trace.push_back(step == XmlElementStream::Step::Done ? "done" : "failed: " + stream.Error());
            return trace;
        }
        trace.push_back(line);
    }
}

// A file read through a window of a few bytes walks as its whole text does, whatever piece a
// tag, value, comment or end tag is cut across, and gets the same verdict on its bytes.
TEST_F(XmlTextFileTest, SmallWindowsWalkAsTheWholeText)
{
    const std::string longValue(300, 'q');
    // Tags whose attributes' walk reads past their end, at every place a window can cut them.
    std::string shifted = "<r>";
    for (int pad = 0; pad < 9; ++pad) {
        shifted += std::string(pad, ' ') + "<t v=\"x>y\" w='2'/><t x=\"1\" v=\"/\" / v=\"2\"></t>";
    }
    const std::vector<std::string> files = {
        "<?xml version=\"1.0\"?>\r\n<map width=\"5\" a=\"x&amp;y\"><!-- a > b --><tile x=\"1\">"
        "<item id=\"100\" v=\"&lt;&#65;\"/></tile><![CDATA[ <x> ]]><!DOCTYPE d [ <!ENTITY e \">\"> ]>"
        "<t v=\"x>y\" w='2'/><t v = \"1\" / w=\"3\"></t><t\tx=\"4\"></t \"x>\" ></map>tail",
        "<map><t a=\"" + longValue + "\" x=\"7\"/>" + std::string(40, ' ') + "<t v=\"" + longValue + "></t></map>",
        shifted + "</r>",
        "<map><tile x=\"1\" y=\"2\"><item id=\"10",
        "<map><tile></map>",
        "<map><a/></tile>",
        "<r/><x>",
        "<?pi never closed <r/>",
        "<r><!-- never closed </r>",
        std::string("<map><a/></map>\0<b>", 20),
        std::string("<map><tile x=\"1\0\"/></map>", 26),
        "<map><a/>" + std::string(100, '\0'),
        Utf16Le({'<', 'r', ' ', 'v', '=', '"', 0xE9, '"', '/', '>'}),
        "",
        "no tags at all",
    };
    for (size_t f = 0; f < files.size(); ++f) {
        const std::string path = WriteBytes("w" + std::to_string(f) + ".xml", files[f]);
        const XmlTextFile whole = ReadXmlTextFile(path);
        std::vector<std::string> expected;
        if (whole.result == XmlReadResult::Ok) {
            XmlElementStream stream(whole.text);
            expected = WalkTrace(stream);
        }
        for (const size_t size : {2, 3, 5, 8, 17, 64}) {
            XmlTextWindow window(size);
            XmlReadResult result = window.Open(path);
            std::vector<std::string> trace;
            if (result == XmlReadResult::Ok) {
                XmlElementStream stream(window);
                trace = WalkTrace(stream);
                result = window.Finish();
            }
            ASSERT_EQ(result, whole.result) << f << " " << size;
            if (result == XmlReadResult::Ok) {
                EXPECT_EQ(trace, expected) << f << " " << size;
                EXPECT_EQ(window.TextLength(), whole.text.size()) << f << " " << size;
            }
        }
    }
    XmlTextWindow absent(8);
    EXPECT_EQ(absent.Open(PathOf("absent.xml")), XmlReadResult::CannotOpen);
    XmlTextWindow folder(8);
    EXPECT_EQ(folder.Open(dir.Path().string()), XmlReadResult::CannotOpen);
}

}  // namespace
}  // namespace tessark
