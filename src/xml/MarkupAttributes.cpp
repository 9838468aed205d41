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
    // The walk of FindAttribute, with the name-equals-value state kept for every name: each
    // name takes the first value that follows it as FindAttribute would find it.
    enum class Expect : unsigned char { Name, Equals, Value };
    // Kept on the stack for the usual handful of names: this runs once per element.
    constexpr size_t kInline = 16;
    Expect inlineExpect[kInline];
    bool inlineFound[kInline];
    std::unique_ptr<Expect[]> heapExpect;
    std::unique_ptr<bool[]> heapFound;
    Expect* expect = inlineExpect;
    bool* found = inlineFound;
    if (names.size() > kInline) {
        heapExpect = std::make_unique<Expect[]>(names.size());
        heapFound = std::make_unique<bool[]>(names.size());
        expect = heapExpect.get();
        found = heapFound.get();
    }
    for (size_t i = 0; i < names.size(); ++i) {
        expect[i] = Expect::Name;
        found[i] = false;
    }
    size_t missing = names.size();
    const std::string_view text = documentText_;
    XmlToken token;
    if (!FindXmlToken(text, static_cast<size_t>(positions_[record].startTagBegin) + 1, token)) {
        return;
    }
    size_t scan = token.next;
    while (missing > 0 && FindXmlToken(text, scan, token)) {
        scan = token.next;
        const bool equals = token.Is(text, '=');
        const bool tagEnd = token.Is(text, '>') || token.Is(text, '/') || token.Is(text, '?');
        for (size_t i = 0; i < names.size(); ++i) {
            if (found[i]) {
                continue;
            }
            if (expect[i] == Expect::Value && token.isString) {
                values[i] = DecodeXmlEntities(token.Text(text));
                found[i] = true;
                --missing;
                continue;
            }
            if (expect[i] == Expect::Equals && equals) {
                expect[i] = Expect::Value;
                continue;
            }
            expect[i] = Expect::Name;
            // A name token is never empty: a first character that differs rules it out.
            if (!token.isString && !equals && !tagEnd && !names[i].empty() &&
                names[i][0] == text[token.begin] && XmlTokenMatches(token.Text(text), names[i])) {
                expect[i] = Expect::Equals;
            }
        }
        if (!token.isString && !equals && tagEnd) {
            return;
        }
    }
}

}  // namespace tessark
