#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "xml/Markup.h"
#include "xml/XmlAttributes.h"
#include "xml/XmlElementStream.h"
#include "xml/XmlNameSet.h"

namespace tessark {
namespace {

// Reading several attributes in one walk gives exactly what reading them one by one gives,
// for well-formed tags and for the odd ones the reader passes over.
TEST(MarkupAttributesTest, OneWalkGivesWhatSingleReadsGive)
{
    // The tag, and whether it has the plain form read in one pass.
    const std::vector<std::pair<std::string, bool>> tags = {
        {R"(<t x="1" y='2' z="3" ground="101"/>)", false},
        {R"(<t y="2" x="1" x="9" pz = '1'/>)", false},
        {R"(<t x=5 y="6" "x"="7" x= = "8"/>)", false},
        {R"(<t text="a&lt;b&amp;&quot;c&apos;" xx="1" x[="4"/>)", false},
        {R"(<t a="1" / x="2"/>)", false},
        {R"(<t a="1"><x x="3"/></t>)", true},
        {R"(<t ground="101" houseid></t>)", false},
        {R"(<t x="1" = "2" pz x "3" y="4"/>)", false},
        {R"(<t x= "5" "6" y=="7" y = "8"/>)", false},
        {R"(<t text='it''s' x="ab"/>)", false},
        {R"(<tile x="1" y="2" z="7" ground="101" x="3"/>)", true},
        {R"(<tile  x="1"  y=""></tile>)", true},
        {R"(<tile x="1"y="2"/>)", false},
        {R"(<tile x="1" y="a>b"></tile>)", false},
        {R"(<ti"le x="1"/>)", false},
        {R"(<tile x="1" / ></tile>)", false},
        {"<tile\tx=\"1\"/>", false},
        {R"(<tile x="1" text="a&amp;b"/>)", false},
        {R"(<a.b-c:d x="1" pz="<" text="" y="2" />)", true},
        {R"(<tile x="1" y="2"/ ></tile>)", false},
        {R"(<tile x="1" x[="2" y="3"/>)", false},
        {R"(< tile x="1"/>)", false},
    };
    // Names the one-pass reading of plain tags takes (it leaves the others to the walk).
    const std::vector<std::string_view> plainNames = {"x", "y", "z", "pz", "ground", "text", "missing"};
    const XmlNameSet plainSet{"x", "y", "z", "pz", "ground", "text", "missing"};
    const std::vector<std::string_view> names = {"x", "y", "z", "pz", "ground", "text", "x[",
                                                  "houseid", "missing", "x y", "pz=", ""};
    const XmlNameSet nameSet{"x", "y", "z", "pz", "ground", "text", "x[", "houseid", "missing", "x y", "pz=", ""};
    for (const auto& [tag, plainForm] : tags) {
        CMarkup xml(tag);
        ASSERT_TRUE(xml.FindElement()) << tag;
        std::vector<std::string> values(names.size(), "stale");
        xml.GetAttributes(names, values);
        std::vector<std::string> fromSet(names.size(), "stale");
        XmlAttributes(tag, 0, tag.find('>')).GetMany(nameSet, fromSet);
        for (size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(values[i], xml.GetAttribute(names[i])) << tag << " " << names[i];
            EXPECT_EQ(fromSet[i], values[i]) << tag << " " << names[i];
        }
        XmlElementStream stream(tag);
        ASSERT_EQ(stream.Next(), XmlElementStream::Step::Start) << tag;
        EXPECT_EQ(stream.PlainTag() != nullptr, plainForm) << tag;
        std::vector<std::string> plain(plainNames.size(), "stale");
        const XmlAttributes attributes(tag, 0, stream.TagEnd());
        attributes.GetMany(plainNames, plain);
        std::vector<std::string_view> views(plainNames.size());
        const bool isPlain = attributes.GetPlainViews(plainSet, views);
        EXPECT_EQ(isPlain, plainForm) << tag;
        std::vector<std::string_view> streamViews(plainNames.size(), "stale");
        if (stream.PlainTag() != nullptr) {
            EXPECT_TRUE(XmlAttributes(tag, 0, *stream.PlainTag()).GetPlainViews(plainSet, streamViews));
        }
        for (size_t i = 0; i < plainNames.size(); ++i) {
            EXPECT_EQ(plain[i], xml.GetAttribute(plainNames[i])) << tag << " " << plainNames[i];
            if (isPlain) {
                EXPECT_EQ(views[i], plain[i]) << tag << " " << plainNames[i];
                EXPECT_EQ(streamViews[i], plain[i]) << tag << " " << plainNames[i];
            }
        }
    }
    CMarkup none("<t x=\"1\"/>");
    std::vector<std::string> values(1, "stale");
    none.GetAttributes(std::vector<std::string_view>{"x"}, values);  // no current element
    EXPECT_EQ(values[0], "");
}

}  // namespace
}  // namespace tessark
