#pragma once

#include <cstddef>
#include <string_view>

namespace tessark {

// A start tag of the plain form the writers make: <name a="v" b="w"/>, with attribute names of
// letters, digits and '_' (the element's name also '-', '.', ':'), spaces before each attribute
// and values without '"', '&' or '>'. Such a tag reads the same in one pass over its characters
// as by the token walk, which every other tag needs.
struct XmlPlainTag {
    struct Attribute {
        std::string_view name;
        std::string_view value;
    };
    static constexpr size_t kMaxAttributes = 16;

    std::string_view name;
    size_t end = 0;  // the '>'
    bool empty = false;
    size_t count = 0;
    Attribute attributes[kMaxAttributes];
};

// Reads the start tag whose '<' is at `lt`; false when it is not of the plain form (or has more
// than kMaxAttributes attributes). `lastGt`, when known, is where the text's last '>' is.
bool ScanXmlPlainTag(std::string_view text, size_t lt, XmlPlainTag& tag,
                     size_t lastGt = std::string_view::npos);

// A value of 1 to 9 decimal digits and nothing else, nearly every number of a map, read inline;
// false for any other value (ReadXmlNumber reads them all).
inline bool ReadPlainXmlNumber(std::string_view text, int& value)
{
    if (text.empty() || text.size() > 9) {
        return false;
    }
    int read = 0;
    for (const char c : text) {
        const unsigned digit = static_cast<unsigned char>(c) - unsigned{'0'};
        if (digit > 9) {
            return false;
        }
        read = read * 10 + static_cast<int>(digit);
    }
    value = read;
    return true;
}

}  // namespace tessark
