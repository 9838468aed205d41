#pragma once

#include <string>
#include <vector>

#include "xml/Markup.h"

namespace tessark {

// Reads a document's element table, for tests and the fuzz target.
struct MarkupTableAccess {
    struct Element {
        int depth = 0;
        int startTagBegin = 0;
        int startTagEnd = 0;
        int endTagBegin = 0;
        int endTagEnd = 0;
        bool operator==(const Element&) const = default;
    };

    // Every element in document order (by the links, not by record number).
    static std::vector<Element> Flatten(const CMarkup& markup)
    {
        std::vector<Element> elements;
        const auto& table = markup.positions_;
        int record = table[0].firstChild;
        int depth = 0;
        while (record != 0) {
            const auto& pos = table[record];
            elements.push_back({depth, pos.startTagBegin, pos.startTagEnd, pos.endTagBegin,
                                pos.endTagEnd});
            if (pos.firstChild != 0) {
                record = pos.firstChild;
                ++depth;
                continue;
            }
            while (record != 0 && table[record].nextSibling == 0) {
                record = table[record].parent;
                --depth;
            }
            if (record != 0) {
                record = table[record].nextSibling;
            }
        }
        return elements;
    }

    // Empty when every offset points at the markup character it stands for.
    static std::string CheckOffsets(const CMarkup& markup)
    {
        const std::string& text = markup.documentText_;
        auto at = [&](int offset) -> char {
            return offset >= 0 && static_cast<size_t>(offset) < text.size() ? text[offset] : '\0';
        };
        for (const Element& e : Flatten(markup)) {
            const bool empty = e.startTagEnd == e.endTagBegin + 1;
            if (at(e.startTagBegin) != '<' || at(e.startTagEnd) != '>' ||
                at(e.endTagEnd) != '>' || at(e.endTagBegin) != (empty ? '/' : '<') ||
                e.startTagBegin >= e.startTagEnd || e.endTagBegin > e.endTagEnd) {
                return "bad element at " + std::to_string(e.startTagBegin);
            }
        }
        return {};
    }

    static int RecordCount(const CMarkup& markup) { return markup.nextFreePos_ - 1; }
};

}  // namespace tessark
