#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/MarkupTableAccess.h"
#include "xml/Markup.h"

namespace tessark {
namespace {

std::string ParseError(std::string_view text)
{
    CMarkup markup;
    EXPECT_FALSE(markup.SetDocument(text)) << text;
    // A failed parse keeps the text and leaves nothing to find.
    EXPECT_EQ(markup.GetDocument(), text);
    EXPECT_FALSE(markup.FindElement());
    EXPECT_FALSE(markup.FindChildElement());
    EXPECT_EQ(markup.GetAttribute("x"), "");
    return markup.GetParseError();
}

TEST(MarkupParseTest, EachErrorMessage)
{
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"Element tag not found", {"no markup at all", "<a>", "<?xml version=\"1.0\"?>\r\n", "</a>"}},
        {"Abrupt end within tag", {"<a><\r\n", "<a>< \t"}},
        {"Tag starts with quote", {"<'a'/>"}},
        {"Invalid node",
         {"<?xml version=\"1.0\"", "<a><!-- open comment</a>", "<a><![CDATA[ x ]></a>", "<!DOCTYPE r [ <!ENTITY e 'v'> ",
          "<!DOCTYPE r 'unclosed> <r/>", "<?", "<r>< !-- c --></r>",
          "< ?x?><r/>"}},  // '?' as the first token but not right after '<': must end, not loop
        {"End of tag not found", {"<a b=\"1\""}},
        {"End tag does not correspond to a", {"<a></b>", "<a></>"}},
        {"End tag does not correspond to inner", {"<outer><inner></outer></inner>"}},
        {"End tag not completed for element a", {"<a></a", "<a></ a 'x>'"}},
    };
    for (const auto& [error, texts] : cases) {
        for (const std::string& text : texts) {
            EXPECT_EQ(ParseError(text), error) << text;
        }
    }

    // The empty text is no error, and a later success does not clear an earlier message.
    CMarkup markup;
    EXPECT_FALSE(markup.SetDocument(""));
    EXPECT_EQ(markup.GetParseError(), "");
    EXPECT_FALSE(markup.SetDocument("<a></b>"));
    EXPECT_TRUE(markup.SetDocument("<a/>"));
    EXPECT_EQ(markup.GetParseError(), "End tag does not correspond to a");
}

TEST(MarkupParseTest, SkipsNodesAndTextAroundElements)
{
    const std::string text =
        "\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n"
        "stray text <!-- a comment with <fake/> -->\r\n"
        "<!DOCTYPE root [ <!ENTITY e \"a>b\"> <!ELEMENT x ANY> ]>\r\n"
        "<root version='2'>\r\n"
        "  text <!-- <first id=\"0\"/> --> <?pi <x/> ?>\r\n"
        "  <first id=\"1\"/>\r\n"
        "  <![CDATA[ <first id=\"9\"/> ]]>\r\n"
        "  <second id=\"2\"><!----><inner id=\"3\"/>text</second>\r\n"
        "</root>\r\n"
        "<after id=\"4\"/> and <unclosed";
    CMarkup markup(text);
    ASSERT_EQ(markup.GetDocument(), text);
    ASSERT_TRUE(markup.FindElement("root"));
    EXPECT_EQ(markup.GetAttribute("version"), "2");
    ASSERT_TRUE(markup.IntoElement());
    ASSERT_TRUE(markup.FindElement());
    EXPECT_EQ(markup.GetAttribute("id"), "1");
    ASSERT_TRUE(markup.FindElement());
    EXPECT_EQ(markup.GetAttribute("id"), "2");
    ASSERT_TRUE(markup.FindChildElement());
    EXPECT_EQ(markup.GetChildAttribute("id"), "3");
    EXPECT_FALSE(markup.FindChildElement());
    EXPECT_FALSE(markup.FindElement());
    // Only one root: whatever follows it is not part of the document.
    ASSERT_TRUE(markup.OutOfElement());
    EXPECT_FALSE(markup.FindElement());
    EXPECT_EQ(MarkupTableAccess::RecordCount(markup), 4);
}

TEST(MarkupParseTest, NavigationFollowsNamesAndLevels)
{
    CMarkup markup(
        "<spawns><spawns id=\"0\"/><spawn id=\"1\"><monster name=\"a\"/><npc name=\"b\"/>"
        "<monster name=\"c\"/></spawn><spawn id=\"2\"/></spawns>");
    // Without a current element, a child search first selects the root.
    ASSERT_TRUE(markup.FindChildElement("spawn"));
    EXPECT_EQ(markup.GetChildAttribute("id"), "1");
    EXPECT_EQ(markup.GetAttribute("id"), "");  // the current element is the root
    ASSERT_TRUE(markup.FindChildElement("spawn"));
    EXPECT_EQ(markup.GetChildAttribute("id"), "2");
    EXPECT_FALSE(markup.FindChildElement("spawn"));
    EXPECT_EQ(markup.GetChildAttribute("id"), "2");  // a failed search moves nothing

    CMarkup reader(markup.GetDocument());
    ASSERT_TRUE(reader.FindElement("spawns"));
    ASSERT_TRUE(reader.IntoElement());
    EXPECT_EQ(reader.GetAttribute("id"), "");  // no current element inside yet
    // "spawn" does not match "spawns", nor the other way round.
    ASSERT_TRUE(reader.FindElement("spawn"));
    EXPECT_EQ(reader.GetAttribute("id"), "1");
    ASSERT_TRUE(reader.FindChildElement("monster"));
    ASSERT_TRUE(reader.IntoElement());  // the found child becomes current
    EXPECT_EQ(reader.GetAttribute("name"), "a");
    ASSERT_TRUE(reader.FindElement("monster"));
    EXPECT_EQ(reader.GetAttribute("name"), "c");
    ASSERT_TRUE(reader.OutOfElement());
    EXPECT_EQ(reader.GetAttribute("id"), "1");
    ASSERT_TRUE(reader.FindElement());
    EXPECT_EQ(reader.GetAttribute("id"), "2");
    EXPECT_TRUE(reader.IntoElement());  // an element without children: nothing current
    EXPECT_FALSE(reader.IntoElement());
    EXPECT_FALSE(reader.FindElement());
    ASSERT_TRUE(reader.OutOfElement());
    ASSERT_TRUE(reader.OutOfElement());
    EXPECT_FALSE(reader.OutOfElement());
    EXPECT_FALSE(reader.FindElement("spawn"));
}

TEST(MarkupParseTest, AttributeReading)
{
    CMarkup markup(
        "<a x=5 y = '5' z=\"&lt;&amp;&gt;&apos;&quot;\" n=\"&nbsp;&#65;&lt&amp\" "
        "q='say \"hi\"' e=\"\" xy=\"7\" w \"loose\" v=\"1>2\"></a>");
    ASSERT_TRUE(markup.FindElement("a"));
    EXPECT_EQ(markup.GetAttribute("x"), "");  // unquoted values are never found
    EXPECT_EQ(markup.GetAttribute("y"), "5");
    EXPECT_EQ(markup.GetAttribute("z"), "<&>'\"");
    EXPECT_EQ(markup.GetAttribute("n"), "&nbsp;&#65;&lt&amp");
    EXPECT_EQ(markup.GetAttribute("q"), "say \"hi\"");
    EXPECT_EQ(markup.GetAttribute("e"), "");
    EXPECT_EQ(markup.GetAttribute("xy"), "7");
    EXPECT_EQ(markup.GetAttribute("w"), "");
    EXPECT_EQ(markup.GetAttribute("v"), "1>2");  // quoted '>' is read even past the tag's end
    EXPECT_EQ(markup.GetAttribute("missing"), "");

    // The walk stops at '/', '>' and '?': what follows is not an attribute.
    CMarkup stops("<r><b/ c=\"1\"/><d> e=\"2\"</d></r>");
    ASSERT_TRUE(stops.FindChildElement("b"));
    EXPECT_EQ(stops.GetChildAttribute("c"), "");
    ASSERT_TRUE(stops.FindChildElement("d"));
    EXPECT_EQ(stops.GetChildAttribute("e"), "");
}

TEST(MarkupParseTest, DeepNestingNeedsNoStack)
{
    constexpr int kDepth = 200000;
    std::string text;
    for (int i = 0; i < kDepth; ++i) {
        text += "<a>";
    }
    text += "<leaf id=\"deep\"/>";
    for (int i = 0; i < kDepth; ++i) {
        text += "</a>";
    }
    CMarkup markup;
    ASSERT_TRUE(markup.SetDocument(text));
    for (int i = 1; i < kDepth; ++i) {
        ASSERT_TRUE(markup.FindChildElement());
        ASSERT_TRUE(markup.IntoElement());
    }
    ASSERT_TRUE(markup.FindChildElement("leaf"));
    EXPECT_EQ(markup.GetChildAttribute("id"), "deep");

    // Editing the root moves every nested offset, also without recursion.
    CMarkup edited(text);
    ASSERT_TRUE(edited.FindElement());
    ASSERT_TRUE(edited.SetAttribute("k", "v"));
    EXPECT_EQ(MarkupTableAccess::Flatten(edited),
              MarkupTableAccess::Flatten(CMarkup(edited.GetDocument())));

    text.resize(text.size() - 4);  // the root's end tag is missing
    EXPECT_FALSE(markup.SetDocument(text));
    EXPECT_EQ(markup.GetParseError(), "Element tag not found");
}

TEST(MarkupParseTest, ReadXmlNumberIsLenient)
{
    const std::pair<const char*, int> cases[] = {
        {"", 0}, {"abc", 0}, {"-", 0}, {"- 5", 0}, {"0x10", 0},
        {" \t\r\n 42", 42}, {"+7", 7}, {"-13x5", -13}, {"12 34", 12}, {"7\v", 7},
        {"-2147483648", -2147483647 - 1}, {"99999999999999999999", 2147483647},
        {"-99999999999999999999", -2147483647 - 1},
        // Around the inline path for up to nine plain digits.
        {"000000042", 42}, {"999999999", 999999999}, {"2147483647", 2147483647}, {"2147483648", 2147483647},
        {"69000", 69000},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ReadXmlNumber(text), value) << text;
    }
}

}  // namespace
}  // namespace tessark
