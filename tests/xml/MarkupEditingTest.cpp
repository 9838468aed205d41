#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "support/MarkupTableAccess.h"
#include "xml/Markup.h"

namespace tessark {
namespace {

constexpr const char* kDeclaration = "<?xml version=\"1.0\"?>\r\n";

// The patched table must be exactly what a fresh parse of the text gives.
void ExpectTableMatchesText(const CMarkup& markup)
{
    EXPECT_EQ(MarkupTableAccess::CheckOffsets(markup), "");
    CMarkup reparsed;
    ASSERT_TRUE(reparsed.SetDocument(markup.GetDocument())) << reparsed.GetParseError();
    EXPECT_EQ(MarkupTableAccess::Flatten(markup), MarkupTableAccess::Flatten(reparsed));
}

TEST(MarkupEditingTest, RootAfterDeclarationThenChildOfEmptyRoot)
{
    CMarkup markup(kDeclaration);
    EXPECT_EQ(markup.GetParseError(), "Element tag not found");
    ASSERT_TRUE(markup.AddElement("spawns"));
    EXPECT_EQ(markup.GetDocument(), std::string(kDeclaration) + "<spawns/>\r\n");
    EXPECT_FALSE(markup.AddElement("other"));  // one root only
    ExpectTableMatchesText(markup);

    ASSERT_TRUE(markup.IntoElement());
    ASSERT_TRUE(markup.AddElement("spawn"));
    EXPECT_EQ(markup.GetDocument(),
              std::string(kDeclaration) + "<spawns>\r\n<spawn/>\r\n</spawns>\r\n");
    ExpectTableMatchesText(markup);

    // The same on parsed roots: empty with attributes, without content, or with content (the
    // child goes last, before the end tag). "<p //>" would still read as empty after gaining one.
    const std::pair<std::string, std::string> cases[] = {
        {"<spawns a=\"1\" />\r\n", "<spawns a=\"1\" >\r\n<c k=\"3\"/>\r\n</spawns>\r\n"},
        {"<r></r>", "<r>\r\n<c k=\"3\"/>\r\n</r>"},
        {"<r><a/>text</r>", "<r><a/>text<c k=\"3\"/>\r\n</r>"},
        {"<p //>", "<p //>"},
    };
    for (const auto& [text, edited] : cases) {
        CMarkup parsed(text);
        ASSERT_TRUE(parsed.FindElement());
        ASSERT_TRUE(parsed.IntoElement());
        EXPECT_EQ(parsed.AddElement("c") && parsed.SetAttribute("k", 3), text != edited) << text;
        EXPECT_EQ(parsed.GetDocument(), edited);
        ExpectTableMatchesText(parsed);
    }
}

TEST(MarkupEditingTest, SetAttributeAddsThenReplacesOnlyTheValue)
{
    CMarkup markup("<spawns>\r\n<spawn/>\r\n<spawn/>\r\n</spawns>\r\n");
    ASSERT_TRUE(markup.FindElement());
    ASSERT_TRUE(markup.IntoElement());
    EXPECT_FALSE(markup.SetAttribute("centerx", 1));  // no current element
    ASSERT_TRUE(markup.FindElement("spawn"));
    ASSERT_TRUE(markup.SetAttribute("centerx", 1));
    EXPECT_EQ(markup.GetDocument(),
              "<spawns>\r\n<spawn centerx=\"1\"/>\r\n<spawn/>\r\n</spawns>\r\n");
    ASSERT_TRUE(markup.SetAttribute("centery", -25));
    ASSERT_TRUE(markup.SetAttribute("centerx", "1000"));
    EXPECT_EQ(markup.GetDocument(),
              "<spawns>\r\n<spawn centerx=\"1000\" centery=\"-25\"/>\r\n<spawn/>\r\n</spawns>\r\n");
    ASSERT_TRUE(markup.SetAttribute("centerx", ""));
    EXPECT_EQ(markup.GetAttribute("centerx"), "");
    EXPECT_EQ(markup.GetAttribute("centery"), "-25");
    // A single-quoted value keeps its quote characters.
    CMarkup quoted("<a v='old'></a>");
    ASSERT_TRUE(quoted.FindElement());
    ASSERT_TRUE(quoted.SetAttribute("v", "new"));
    EXPECT_EQ(quoted.GetDocument(), "<a v='new'></a>");

    // The following sibling moved with the edits.
    ASSERT_TRUE(markup.FindElement("spawn"));
    ASSERT_TRUE(markup.SetAttribute("radius", 3));
    EXPECT_EQ(markup.GetAttribute("radius"), "3");
    ExpectTableMatchesText(markup);

    EXPECT_FALSE(markup.SetAttribute("", "x"));
    EXPECT_FALSE(markup.SetAttribute("bad name", "x"));
    EXPECT_FALSE(markup.AddElement(""));
    EXPECT_FALSE(markup.AddElement("a/b"));
}

TEST(MarkupEditingTest, EntitiesRoundTrip)
{
    CMarkup markup("<a/>");
    ASSERT_TRUE(markup.FindElement());
    ASSERT_TRUE(markup.SetAttribute("text", "a<b&\"c'>&amp;"));
    EXPECT_EQ(markup.GetDocument(), "<a text=\"a&lt;b&amp;&quot;c&apos;&gt;&amp;amp;\"/>");
    EXPECT_EQ(markup.GetAttribute("text"), "a<b&\"c'>&amp;");
    CMarkup reread(markup.GetDocument());
    ASSERT_TRUE(reread.FindElement("a"));
    EXPECT_EQ(reread.GetAttribute("text"), "a<b&\"c'>&amp;");
}

TEST(MarkupEditingTest, InsertsBetweenParsedElements)
{
    CMarkup markup("<r>\r\n  <a/>  \r\n  <!-- note -->\r\n  <c id=\"1\"><d/>tail</c>\r\n</r>");
    ASSERT_TRUE(markup.FindChildElement("a"));
    ASSERT_TRUE(markup.IntoElement());
    ASSERT_TRUE(markup.AddElement("b"));
    ASSERT_TRUE(markup.SetAttribute("id", 2));
    EXPECT_EQ(markup.GetDocument(),
              "<r>\r\n  <a/>  \r\n  <b id=\"2\"/>\r\n<!-- note -->\r\n  <c id=\"1\"><d/>tail</c>\r\n</r>");
    ExpectTableMatchesText(markup);
    ASSERT_TRUE(markup.FindElement());
    EXPECT_EQ(markup.GetAttribute("id"), "1");
    // Non-whitespace text after the current element keeps the new element right behind it.
    ASSERT_TRUE(markup.IntoElement());
    ASSERT_TRUE(markup.FindElement("d"));
    ASSERT_TRUE(markup.OutOfElement());
    ASSERT_TRUE(markup.IntoElement());  // the current child (d) is current again
    ASSERT_TRUE(markup.AddElement("e"));
    EXPECT_EQ(markup.GetDocument(), "<r>\r\n  <a/>  \r\n  <b id=\"2\"/>\r\n<!-- note -->\r\n"
                                    "  <c id=\"1\"><d/><e/>\r\ntail</c>\r\n</r>");
    ExpectTableMatchesText(markup);
}

TEST(MarkupEditingTest, RefusesEditsThatWouldBreakTheTable)
{
    // The value holds the '>' that ended the start tag: reading works, replacing it would
    // overwrite the element's content.
    CMarkup markup("<r><a v=\"1>2\"><b/></a></r>");
    ASSERT_TRUE(markup.FindChildElement("a"));
    ASSERT_TRUE(markup.IntoElement());
    EXPECT_EQ(markup.GetAttribute("v"), "1>2");
    EXPECT_FALSE(markup.SetAttribute("v", "3"));
    EXPECT_EQ(markup.GetDocument(), "<r><a v=\"1>2\"><b/></a></r>");

    // An attribute written after a stray '?' or '/' could never be read back.
    CMarkup stray("<r><a ? ></a><b / ></b></r>");
    ASSERT_TRUE(stray.FindChildElement("a"));
    ASSERT_TRUE(stray.IntoElement());
    EXPECT_FALSE(stray.SetAttribute("k", "1"));
    ASSERT_TRUE(stray.FindElement("b"));
    EXPECT_FALSE(stray.SetAttribute("k", "1"));
    EXPECT_FALSE(markup.SetAttribute("w", "2"));  // also past a value holding '>'
    EXPECT_EQ(markup.GetDocument(), "<r><a v=\"1>2\"><b/></a></r>");
}

}  // namespace
}  // namespace tessark
