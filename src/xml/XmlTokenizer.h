#pragma once

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

bool IsXmlWhitespace(char c);

// Skips whitespace from `from` and takes a quoted string, a run of non-delimiters or a single
// delimiter. False only at the end of the text.
bool FindXmlToken(std::string_view text, size_t from, XmlToken& token);

// A token matches a name when it equals the name's beginning and the name ends there or goes
// on with a space, '=', '/' or '['.
bool XmlTokenMatches(std::string_view token, std::string_view name);

// For the `<?` or `<!` node whose '<' is at `lt`: the offset just after the node, or npos
// when the node is not closed (or is no such node).
size_t SkipXmlNode(std::string_view text, size_t lt);

}  // namespace tessark
