#include "xml/XmlTokenizer.h"

#include <array>

namespace tessark {

namespace {

// Character classes by byte, for the scans over hundreds of MB of map text.
constexpr unsigned char kWhitespace = 1;
constexpr unsigned char kDelimiter = 2;

constexpr std::array<unsigned char, 256> kClasses = [] {
    std::array<unsigned char, 256> classes{};
    for (const char c : {' ', '\t', '\n', '\r'}) {
        classes[static_cast<unsigned char>(c)] = kWhitespace | kDelimiter;
    }
    for (const char c : {'<', '>', '=', '\\', '/', '?', '!'}) {
        classes[static_cast<unsigned char>(c)] = kDelimiter;
    }
    return classes;
}();

bool IsTokenDelimiter(char c) { return (kClasses[static_cast<unsigned char>(c)] & kDelimiter) != 0; }

size_t AfterTerminator(std::string_view text, size_t from, std::string_view terminator)
{
    const size_t found = text.find(terminator, from);
    return found == std::string_view::npos ? found : found + terminator.size();
}

}  // namespace

bool IsXmlWhitespace(char c)
{
    return (kClasses[static_cast<unsigned char>(c)] & kWhitespace) != 0;
}

bool FindXmlToken(std::string_view text, size_t from, XmlToken& token)
{
    size_t at = from;
    while (at < text.size() && IsXmlWhitespace(text[at])) {
        ++at;
    }
    if (at >= text.size()) {
        return false;
    }
    const char first = text[at];
    if (first == '"' || first == '\'') {
        const size_t close = text.find(first, at + 1);
        token.isString = true;
        token.begin = at + 1;
        token.isClosed = close != std::string_view::npos;
        token.end = token.isClosed ? close : text.size();
        token.next = token.isClosed ? close + 1 : text.size();
        return true;
    }
    token.isString = false;
    token.isClosed = true;
    token.begin = at;
    size_t end = at + 1;
    if (!IsTokenDelimiter(first)) {
        while (end < text.size() && !IsTokenDelimiter(text[end])) {
            ++end;
        }
    }
    token.end = end;
    token.next = end;
    return true;
}

bool XmlTokenMatches(std::string_view token, std::string_view name)
{
    if (token.size() > name.size() || name.substr(0, token.size()) != token) {
        return false;
    }
    if (token.size() == name.size()) {
        return true;
    }
    const char after = name[token.size()];
    return after == ' ' || after == '=' || after == '/' || after == '[';
}

size_t SkipXmlNode(std::string_view text, size_t lt)
{
    constexpr size_t npos = std::string_view::npos;
    if (lt >= text.size() || text.size() - lt < 3) {
        return npos;
    }
    const char kind = text[lt + 1];
    const char detail = text[lt + 2];
    if (kind == '?') {
        return AfterTerminator(text, lt, "?>");
    }
    if (kind != '!') {
        // Covers "< ?x": the node must start right after the '<'.
        return npos;
    }
    if (detail == '[') {
        return AfterTerminator(text, lt, "]]>");
    }
    if (detail == '-') {
        return AfterTerminator(text, lt, "-->");
    }
    // A declaration such as <!DOCTYPE x [ <!ENTITY ...> ]>: '>' inside brackets does not end it.
    long nesting = 0;
    size_t scan = lt + 2;
    XmlToken token;
    while (FindXmlToken(text, scan, token)) {
        scan = token.next;
        if (token.isString) {
            continue;
        }
        if (nesting == 0 && token.Is(text, '>')) {
            return token.end;
        }
        for (char c : token.Text(text)) {
            if (c == '[') {
                ++nesting;
            } else if (c == ']') {
                --nesting;
            }
        }
    }
    return npos;
}

}  // namespace tessark
