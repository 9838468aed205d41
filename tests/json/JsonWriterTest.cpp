#include <gtest/gtest.h>

#include "json/JsonWriter.h"

namespace tessark {
namespace {

std::string Quoted(std::string_view text)
{
    std::string out;
    AppendJsonString(out, text);
    return out;
}

TEST(JsonWriterTest, NestsWithTheToolsSeparators)
{
    JsonWriter json;
    json.BeginObject();
    json.Key("n").Int(-3);
    json.Key("list").BeginArray().UInt(1).Bool(true).Null().BeginObject().EndObject().EndArray();
    json.Key("empty").BeginArray().EndArray();
    json.Key("inner").BeginObject().Key("s").String("x").EndObject();
    json.EndObject();
    EXPECT_EQ(json.Text(),
              R"({"n": -3, "list": [1, true, null, {}], "empty": [], "inner": {"s": "x"}})");
}

TEST(JsonWriterTest, EscapesQuotesBackslashesAndControlCharacters)
{
    EXPECT_EQ(Quoted("a\"b\\c/d"), R"("a\"b\\c/d")");
    EXPECT_EQ(Quoted("\n\r\t\b\f"), R"("\n\r\t\b\f")");
    EXPECT_EQ(Quoted(std::string("\x01\x1f\0z", 4)), R"("\u0001\u001f\u0000z")");
    EXPECT_EQ(Quoted("\x7f"), "\"\x7f\"");
}

TEST(JsonWriterTest, KeepsUtf8AndMapsOtherBytesAsLatin1)
{
    // e-acute, euro sign, U+10348: copied as they are.
    EXPECT_EQ(Quoted("\xC3\xA9\xE2\x82\xAC\xF0\x90\x8D\x88"), "\"\xC3\xA9\xE2\x82\xAC\xF0\x90\x8D\x88\"");
    // A lone Latin-1 e-acute (0xE9) becomes U+00E9.
    EXPECT_EQ(Quoted("caf\xE9"), "\"caf\xC3\xA9\"");
    // Truncated sequence, overlong slash, surrogate, past U+10FFFF, lone continuation byte.
    EXPECT_EQ(Quoted("\xE2\x82"), "\"\xC3\xA2\xC2\x82\"");
    EXPECT_EQ(Quoted("\xC0\xAF"), "\"\xC3\x80\xC2\xAF\"");
    EXPECT_EQ(Quoted("\xED\xA0\x80"), "\"\xC3\xAD\xC2\xA0\xC2\x80\"");
    EXPECT_EQ(Quoted("\xF4\x90\x80\x80"), "\"\xC3\xB4\xC2\x90\xC2\x80\xC2\x80\"");
    EXPECT_EQ(Quoted("\xBF"), "\"\xC2\xBF\"");
    EXPECT_EQ(Quoted("\xFF"), "\"\xC3\xBF\"");
}

}  // namespace
}  // namespace tessark
