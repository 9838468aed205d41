#include "xml/XmlAttributes.h"

#include <bit>
#include <cstdint>
#include <memory>

#include "xml/XmlEntities.h"
#include "xml/XmlNameSet.h"
#include "xml/XmlPlainTag.h"
#include "xml/XmlTokenizer.h"

namespace tessark {

namespace {

bool IsNameStop(char c) { return c == ' ' || c == '=' || c == '/' || c == '['; }

// found(i, value) for the first value of each name in the tag. An attribute's name (letters,
// digits, '_') matches as in the token walk: the name begins with it and ends there or goes on
// with ' ', '=', '/' or '['. Sizes are compared first: most pairs differ there.
template <typename Found>
void MatchPlain(const XmlPlainTag& tag, std::span<const std::string_view> names, Found&& found)
{
    const XmlPlainTag::Attribute* const end = tag.attributes + tag.count;
    for (size_t i = 0; i < names.size(); ++i) {
        const char* const name = names[i].data();
        const size_t nameSize = names[i].size();
        for (const XmlPlainTag::Attribute* attribute = tag.attributes; attribute != end; ++attribute) {
            const size_t size = attribute->name.size();
            if (size > nameSize || (size < nameSize && !IsNameStop(name[size]))) {
                continue;
            }
            const char* const token = attribute->name.data();
            size_t same = 0;
            while (same < size && token[same] == name[same]) {
                ++same;
            }
            if (same == size) {
                found(i, attribute->value);
                break;
            }
        }
    }
}

// The same with the names prepared.
template <typename Found>
void MatchPlain(const XmlPlainTag& tag, const XmlNameSet& names, Found&& found)
{
    uint32_t seen = 0;
    for (size_t a = 0; a < tag.count; ++a) {
        const uint32_t matches = names.Matches(tag.attributes[a].name);
        for (uint32_t fresh = matches & ~seen; fresh != 0; fresh &= fresh - 1) {
            found(static_cast<size_t>(std::countr_zero(fresh)), tag.attributes[a].value);
        }
        seen |= matches;
    }
}

}  // namespace

template <typename Match>
bool XmlAttributes::ScanPlain(Match&& match) const
{
    if (plain_ != nullptr) {
        match(*plain_);
        return true;
    }
    if (tagEnd_ >= text_.size() || tagEnd_ <= tagBegin_) {
        return false;
    }
    XmlPlainTag scanned;
    if (!ScanXmlPlainTag(text_, tagBegin_, scanned) || scanned.end != tagEnd_) {
        return false;
    }
    match(scanned);
    return true;
}

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

bool XmlAttributes::GetPlainViews(const XmlNameSet& names, std::span<std::string_view> values) const
{
    for (std::string_view& value : values) {
        value = {};
    }
    return valid_ && names.Names().size() == values.size() && ScanPlain([&](const XmlPlainTag& tag) {
               MatchPlain(tag, names, [&](size_t i, std::string_view value) { values[i] = value; });
           });
}

void XmlAttributes::GetMany(const XmlNameSet& names, std::span<std::string> values) const
{
    if (valid_ && names.Names().size() == values.size() && ScanPlain([&](const XmlPlainTag& tag) {
            for (std::string& value : values) {
                value.clear();
            }
            MatchPlain(tag, names, [&](size_t i, std::string_view value) { values[i].assign(value); });
        })) {
        return;
    }
    GetMany(names.Names(), values);
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
    if (!valid_ || names.size() != values.size() ||
        (names.size() <= XmlPlainTag::kMaxAttributes && ScanPlain([&](const XmlPlainTag& tag) {
             MatchPlain(tag, names, [&](size_t i, std::string_view value) { values[i].assign(value); });
         }))) {
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
                    const std::string_view raw = token.Text(text);
                    if (raw.find('&') == std::string_view::npos) {
                        values[i].assign(raw);
                    } else {
                        values[i] = DecodeXmlEntities(raw);
                    }
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
