#include "xml/XmlPlainTag.h"

#include <array>

namespace tessark {

namespace {

constexpr unsigned char kAttributeName = 1;
constexpr unsigned char kElementName = 2;
constexpr unsigned char kValueStop = 4;

constexpr std::array<unsigned char, 256> kClasses = [] {
    std::array<unsigned char, 256> classes{};
    const auto set = [&](char c, unsigned char kind) { classes[static_cast<unsigned char>(c)] |= kind; };
    for (char c = 'a'; c <= 'z'; ++c) {
        set(c, kAttributeName | kElementName);
        set(static_cast<char>(c - 'a' + 'A'), kAttributeName | kElementName);
    }
    for (char c = '0'; c <= '9'; ++c) {
        set(c, kAttributeName | kElementName);
    }
    set('_', kAttributeName | kElementName);
    for (const char c : {'-', '.', ':'}) {
        set(c, kElementName);
    }
    for (const char c : {'"', '&', '>'}) {
        set(c, kValueStop);
    }
    return classes;
}();

bool Is(char c, unsigned char kind) { return (kClasses[static_cast<unsigned char>(c)] & kind) != 0; }

}  // namespace

bool ScanXmlPlainTag(std::string_view text, size_t lt, XmlPlainTag& tag, size_t lastGt)
{
    if (lt + 1 >= text.size() || !Is(text[lt + 1], kElementName)) {
        return false;  // end tags, comments and the like
    }
    // Every loop below stops at a '>', so none needs to check for the text's end once one is
    // known to follow.
    if ((lastGt == std::string_view::npos || lastGt <= lt) && text.find('>', lt) == std::string_view::npos) {
        return false;
    }
    const char* const data = text.data();
    size_t at = lt + 2;
    while (Is(data[at], kElementName)) {
        ++at;
    }
    tag.name = std::string_view(data + lt + 1, at - lt - 1);
    // Kept local: stores into the tag could alias the text for the compiler.
    size_t count = 0;
    for (;;) {
        const bool spaced = data[at] == ' ';
        while (data[at] == ' ') {
            ++at;
        }
        if (data[at] == '>' || (data[at] == '/' && data[at + 1] == '>')) {
            tag.empty = data[at] == '/';
            tag.end = tag.empty ? at + 1 : at;
            tag.count = count;
            return true;
        }
        const size_t nameBegin = at;
        while (Is(data[at], kAttributeName)) {
            ++at;
        }
        if (!spaced || at == nameBegin || data[at] != '=' || data[at + 1] != '"' ||
            count == XmlPlainTag::kMaxAttributes) {
            return false;
        }
        const std::string_view name(data + nameBegin, at - nameBegin);
        at += 2;
        const size_t valueBegin = at;
        while (!Is(data[at], kValueStop)) {
            ++at;
        }
        if (data[at] != '"') {
            return false;
        }
        tag.attributes[count++] = {name, std::string_view(data + valueBegin, at - valueBegin)};
        ++at;
    }
}

}  // namespace tessark
