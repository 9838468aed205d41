#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tessark {

// One lexical token of the document text. Offsets are byte offsets into the text; for a
// quoted string they exclude the quotes.
struct XmlToken {
    size_t begin = 0;
    size_t end = 0;       // one past the last character
    size_t next = 0;      // where the following token search starts
    bool isString = false;
    bool isClosed = true; // false for a string that runs to the end of the text

    std::string_view Text(std::string_view text) const { return text.substr(begin, end - begin); }
    // True for the single-character token `c` (never for a string).
    bool Is(std::string_view text, char c) const
    {
        return !isString && end == begin + 1 && text[begin] == c;
    }
};

namespace xml_detail {

// Character classes by byte, for the scans over hundreds of MB of map text.
inline constexpr unsigned char kWhitespace = 1;
inline constexpr unsigned char kDelimiter = 2;

inline constexpr std::array<unsigned char, 256> kClasses = [] {
    std::array<unsigned char, 256> classes{};
    for (const char c : {' ', '\t', '\n', '\r'}) {
        classes[static_cast<unsigned char>(c)] = kWhitespace | kDelimiter;
    }
    for (const char c : {'<', '>', '=', '\\', '/', '?', '!'}) {
        classes[static_cast<unsigned char>(c)] = kDelimiter;
    }
    return classes;
}();

inline bool Is(char c, unsigned char kind) { return (kClasses[static_cast<unsigned char>(c)] & kind) != 0; }

}  // namespace xml_detail

inline bool IsXmlWhitespace(char c) { return xml_detail::Is(c, xml_detail::kWhitespace); }

// Skips whitespace from `from` and takes a quoted string, a run of non-delimiters or a single
// delimiter. False only at the end of the text. Inline: a map's text has tens of millions.
inline bool FindXmlToken(std::string_view text, size_t from, XmlToken& token)
{
    const size_t size = text.size();
    size_t at = from;
    while (at < size && IsXmlWhitespace(text[at])) {
        ++at;
    }
    if (at >= size) {
        return false;
    }
    const char first = text[at];
    if (first == '"' || first == '\'') {
        const size_t close = text.find(first, at + 1);
        token.isString = true;
        token.begin = at + 1;
        token.isClosed = close != std::string_view::npos;
        token.end = token.isClosed ? close : size;
        token.next = token.isClosed ? close + 1 : size;
        return true;
    }
    token.isString = false;
    token.isClosed = true;
    token.begin = at;
    size_t end = at + 1;
    if (!xml_detail::Is(first, xml_detail::kDelimiter)) {
        while (end < size && !xml_detail::Is(text[end], xml_detail::kDelimiter)) {
            ++end;
        }
    }
    token.end = end;
    token.next = end;
    return true;
}

// A token matches a name when it equals the name's beginning and the name ends there or goes
// on with a space, '=', '/' or '['.
inline bool XmlTokenMatches(std::string_view token, std::string_view name)
{
    if (token.size() > name.size()) {
        return false;
    }
    // Names are short: a loop beats a call.
    for (size_t i = 0; i < token.size(); ++i) {
        if (token[i] != name[i]) {
            return false;
        }
    }
    if (token.size() == name.size()) {
        return true;
    }
    const char after = name[token.size()];
    return after == ' ' || after == '=' || after == '/' || after == '[';
}

// For the `<?` or `<!` node whose '<' is at `lt`: the offset just after the node, or npos
// when the node is not closed (or is no such node).
size_t SkipXmlNode(std::string_view text, size_t lt);

}  // namespace tessark
