#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessark {

// Builds JSON text in the tool's layout: ", " between members and elements, ": " after keys,
// everything on one line. Commas are placed by the writer; the caller only keeps the nesting
// balanced.
class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view value);
    JsonWriter& Int(int64_t value);
    JsonWriter& UInt(uint64_t value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    const std::string& Text() const { return text_; }

private:
    void BeforeValue();

    std::string text_;
    // One entry per open object or array: true until its first member is written.
    std::vector<bool> firstInScope_;
    bool afterKey_ = false;
};

// Appends the text as a quoted JSON string. Valid UTF-8 is copied; any other byte is taken as
// the Latin-1 character of that value, so names from old files still give valid JSON.
void AppendJsonString(std::string& out, std::string_view text);

}  // namespace tessark
