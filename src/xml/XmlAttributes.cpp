#include "xml/XmlAttributes.h"

#include <memory>

#include "xml/XmlEntities.h"
#include "xml/XmlTokenizer.h"

namespace tessark {

bool XmlAttributes::Find(std::string_view text, size_t tagBegin, std::string_view name, Value& value,
                         size_t* stop)
{
    if (stop != nullptr) {
        *stop = std::string_view::npos;
    }
    XmlToken token;
    if (!FindXmlToken(text, tagBegin + 1, token)) {
        return false;
    }
    enum class Expect { Name, Equals, Value } expect = Expect::Name;
    size_t scan = token.next;
    while (FindXmlToken(text, scan, token)) {
        scan = token.next;
        if (expect == Expect::Value && token.isString) {
            value = {token.begin, token.end, token.isClosed};
            return true;
        }
        if (expect == Expect::Equals && token.Is(text, '=')) {
            expect = Expect::Value;
            continue;
        }
        expect = Expect::Name;
        if (token.isString || token.Is(text, '=')) {
            continue;
        }
        if (token.Is(text, '>') || token.Is(text, '/') || token.Is(text, '?')) {
            if (stop != nullptr) {
                *stop = token.begin;
            }
            return false;
        }
        if (XmlTokenMatches(token.Text(text), name)) {
            expect = Expect::Equals;
        }
    }
    return false;
}

std::string XmlAttributes::Get(std::string_view name) const
{
    Value value;
    if (!valid_ || !Find(text_, tagBegin_, name, value)) {
        return {};
    }
    return DecodeXmlEntities(text_.substr(value.begin, value.end - value.begin));
}

void XmlAttributes::GetMany(std::span<const std::string_view> names, std::span<std::string> values) const
{
    for (std::string& value : values) {
        value.clear();
    }
    if (!valid_ || names.size() != values.size()) {
        return;
    }
    // The walk of Find for all names at once. Only the names that matched the last name token
    // can be waiting for '=' or a value, so they share one state; each name takes the first
    // value Find would find for it.
    enum class Expect : unsigned char { Name, Equals, Value };
    Expect expect = Expect::Name;
    constexpr size_t kInline = 16;
    bool inlineFlags[2 * kInline] = {};
    std::unique_ptr<bool[]> heapFlags;
    bool* found = inlineFlags;
    if (names.size() > kInline) {
        heapFlags = std::make_unique<bool[]>(2 * names.size());
        found = heapFlags.get();
    }
    bool* pending = found + names.size();
    size_t missing = names.size();
    const std::string_view text = text_;
    XmlToken token;
    if (!FindXmlToken(text, tagBegin_ + 1, token)) {
        return;
    }
    size_t scan = token.next;
    while (missing > 0 && FindXmlToken(text, scan, token)) {
        scan = token.next;
        if (expect == Expect::Value && token.isString) {
            for (size_t i = 0; i < names.size(); ++i) {
                if (pending[i]) {
                    values[i] = DecodeXmlEntities(token.Text(text));
                    found[i] = true;
                    pending[i] = false;
                    --missing;
                }
            }
            expect = Expect::Name;
            continue;
        }
        const bool equals = token.Is(text, '=');
        if (expect == Expect::Equals && equals) {
            expect = Expect::Value;
            continue;
        }
        if (expect != Expect::Name) {
            for (size_t i = 0; i < names.size(); ++i) {
                pending[i] = false;
            }
            expect = Expect::Name;
        }
        if (token.isString || equals) {
            continue;
        }
        if (token.Is(text, '>') || token.Is(text, '/') || token.Is(text, '?')) {
            return;
        }
        const std::string_view name = token.Text(text);
        for (size_t i = 0; i < names.size(); ++i) {
            // A name token is never empty: a first character that differs rules it out.
            if (!found[i] && !names[i].empty() && names[i][0] == name[0] &&
                XmlTokenMatches(name, names[i])) {
                pending[i] = true;
                expect = Expect::Equals;
            }
        }
    }
}

}  // namespace tessark
