#include "xml/XmlTokenizer.h"

namespace tessark {

namespace {

size_t AfterTerminator(std::string_view text, size_t from, std::string_view terminator)
{
    const size_t found = text.find(terminator, from);
    return found == std::string_view::npos ? found : found + terminator.size();
}

}  // namespace

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
