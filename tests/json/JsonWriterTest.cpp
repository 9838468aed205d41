#include <gtest/gtest.h>

#include "json/JsonWriter.h"

namespace tessark {
namespace {

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

// Escapes quotes, backslashes and control characters; keeps UTF-8 and maps other bytes as Latin-1.
TEST(JsonWriterTest, StringsAreEscapedAndMadeUtf8)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a\"b\\c/d", R"("a\"b\\c/d")"},
        {"\n\r\t\b\f", R"("\n\r\t\b\f")"},
        {std::string("\x01\x1f\0z", 4), R"("\u0001\u001f\u0000z")"},
        {"\x7f", "\"\x7f\""},
        // e-acute, euro sign, U+10348: copied as they are.
        {"\xC3\xA9\xE2\x82\xAC\xF0\x90\x8D\x88", "\"\xC3\xA9\xE2\x82\xAC\xF0\x90\x8D\x88\""},
        // A lone Latin-1 e-acute (0xE9) becomes U+00E9.
        {"caf\xE9", "\"caf\xC3\xA9\""},
        // Truncated sequence, overlong slash, surrogate, past U+10FFFF, lone continuation byte.
        {"\xE2\x82", "\"\xC3\xA2\xC2\x82\""},
        {"\xC0\xAF", "\"\xC3\x80\xC2\xAF\""},
        {"\xED\xA0\x80", "\"\xC3\xAD\xC2\xA0\xC2\x80\""},
        {"\xF4\x90\x80\x80", "\"\xC3\xB4\xC2\x90\xC2\x80\xC2\x80\""},
        {"\xBF", "\"\xC2\xBF\""},
        {"\xFF", "\"\xC3\xBF\""},
    };
    for (const auto& [text, quoted] : cases) {
        std::string out;
        AppendJsonString(out, text);
        EXPECT_EQ(out, quoted);
    }
}

}  // namespace
}  // namespace tessark
