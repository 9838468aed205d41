#include <cstdint>
#include <memory>

#include "xml/Markup.h"
#include "xml/XmlEntities.h"
#include "xml/XmlTokenizer.h"

namespace tessark {

void CMarkup::GetAttributes(std::span<const std::string_view> names,
                            std::span<std::string> values) const
{
    for (std::string& value : values) {
        value.clear();
    }
    const int record = currentPos_;
    if (record == 0 || currentIsElement_ != 1 || names.size() != values.size()) {
        return;
    }
    // The walk of FindAttribute for all names at once. Only the names that matched the last
    // name token can be waiting for '=' or a value, so they share one state; each name takes
    // the first value FindAttribute would find for it.
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
    const std::string_view text = documentText_;
    XmlToken token;
    if (!FindXmlToken(text, static_cast<size_t>(positions_[record].startTagBegin) + 1, token)) {
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
