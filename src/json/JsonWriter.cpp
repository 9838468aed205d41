#include "json/JsonWriter.h"

#include "platform/Utf8.h"

namespace tessark {

namespace {

void AppendControlEscape(std::string& out, unsigned char c)
{
    static constexpr char kHex[] = "0123456789abcdef";
    switch (c) {
    case '\b': out += "\\b"; return;
    case '\f': out += "\\f"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default:
        out += "\\u00";
        out += kHex[c >> 4];
        out += kHex[c & 0x0F];
    }
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (c == '"' || c == '\\') {
                out += '\\';
                out += static_cast<char>(c);
            } else if (c < 0x20) {
                AppendControlEscape(out, c);
            } else {
                out += static_cast<char>(c);
            }
            ++i;
            continue;
        }
        if (const size_t length = Utf8SequenceLength(text, i); length != 0) {
            out.append(text.substr(i, length));
            i += length;
            continue;
        }
        // A stray byte: the Latin-1 character U+0080..U+00FF in UTF-8.
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
        ++i;
    }
    out += '"';
}

void JsonWriter::BeforeValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!firstInScope_.empty()) {
        if (!firstInScope_.back()) {
            text_ += ", ";
        }
        firstInScope_.back() = false;
    }
}

JsonWriter& JsonWriter::BeginObject()
{
    BeforeValue();
    text_ += '{';
    firstInScope_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndObject()
{
    text_ += '}';
    if (!firstInScope_.empty()) {
        firstInScope_.pop_back();
    }
    return *this;
}

JsonWriter& JsonWriter::BeginArray()
{
    BeforeValue();
    text_ += '[';
    firstInScope_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndArray()
{
    text_ += ']';
    if (!firstInScope_.empty()) {
        firstInScope_.pop_back();
    }
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key)
{
    BeforeValue();
    AppendJsonString(text_, key);
    text_ += ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view value)
{
    BeforeValue();
    AppendJsonString(text_, value);
    return *this;
}

JsonWriter& JsonWriter::Int(int64_t value)
{
    BeforeValue();
    text_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::UInt(uint64_t value)
{
    BeforeValue();
    text_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value)
{
    BeforeValue();
    text_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null()
{
    BeforeValue();
    text_ += "null";
    return *this;
}

}  // namespace tessark
