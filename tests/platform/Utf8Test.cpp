#include <gtest/gtest.h>

#include <string>

#include "platform/Utf8.h"

namespace tessark {
namespace {

TEST(Utf8Test, SequencesAreWellFormedOnlyInsideTheirRanges)
{
    struct Case {
        std::string bytes;
        size_t length;  // of the sequence at the start
    };
    const Case cases[] = {
        {"A", 1},
        {"\xC2\x80", 2},          // lowest two-byte value
        {"\xDF\xBF", 2},
        {"\xC1\xBF", 0},          // overlong
        {"\xE0\xA0\x80", 3},      // lowest three-byte value
        {"\xE0\x9F\xBF", 0},      // overlong
        {"\xED\x9F\xBF", 3},      // just below the surrogates
        {"\xED\xA0\x80", 0},      // surrogate
        {"\xEF\xBF\xBF", 3},
        {"\xF0\x90\x80\x80", 4},  // lowest four-byte value
        {"\xF0\x8F\xBF\xBF", 0},  // overlong
        {"\xF4\x8F\xBF\xBF", 4},  // U+10FFFF
        {"\xF4\x90\x80\x80", 0},  // past U+10FFFF
        {"\xF5\x80\x80\x80", 0},
        {"\x80", 0},              // lone continuation byte
        {"\xE2\x82", 0},          // cut short
        {"\xE2\x28\xAC", 0},      // third byte no continuation
        {"\xF0\x90\x80\x28", 0},
        {"\xC3\xC3", 0},          // a lead byte where a continuation belongs
        {"\xE2\x82\xC3", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        EXPECT_EQ(Utf8SequenceLength(c.bytes, 0), c.length);
        EXPECT_EQ(IsValidUtf8(c.bytes), c.length == c.bytes.size());
    }
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("caf\xC3\xA9 \xE2\x82\xAC"));
    EXPECT_FALSE(IsValidUtf8("caf\xE9"));
    EXPECT_FALSE(IsValidUtf8("ok\xC3"));
}

}  // namespace
}  // namespace tessark
