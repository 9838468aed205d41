#include "xml/Markup.h"

#include <algorithm>
#include <string>

#include "xml/XmlEntities.h"
#include "xml/XmlTokenizer.h"

// The editing half of CMarkup: text is patched in place and the position table follows it.

namespace tessark {

namespace {

// Names written by AddElement and SetAttribute must read back as one token.
bool IsWritableName(std::string_view name)
{
    if (name.empty()) {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [](char c) {
        return IsXmlWhitespace(c) || c == '<' || c == '>' || c == '=' || c == '\\' || c == '/' ||
               c == '?' || c == '!' || c == '"' || c == '\'';
    });
}

}  // namespace

bool CMarkup::SetAttribute(std::string_view name, std::string_view value)
{
    if (currentPos_ == 0 || currentIsElement_ != 1 || !IsWritableName(name)) {
        return false;
    }
    const int record = currentPos_;
    const std::string encoded = EncodeXmlEntities(value);
    AttributeValue found;
    size_t stop = 0;
    size_t at = 0;
    size_t replaced = 0;
    std::string inserted;
    if (FindAttribute(record, name, found, &stop)) {
        // A value that runs past the start tag's '>' cannot be replaced without breaking the
        // elements parsed after that '>'.
        if (!found.isClosed || found.end >= static_cast<size_t>(positions_[record].startTagEnd)) {
            return false;
        }
        at = found.begin;
        replaced = found.end - found.begin;
        inserted = encoded;
    } else {
        const ElemPos& elem = positions_[record];
        at = static_cast<size_t>(IsEmptyElement(record) ? elem.endTagBegin : elem.startTagEnd);
        // A stray '/', '?' or open quote inside the tag would hide the new attribute from
        // every later read.
        if (stop != at) {
            return false;
        }
        inserted.append(" ").append(name).append("=\"").append(encoded).append("\"");
    }
    if (!ReplaceText(at, replaced, inserted)) {
        return false;
    }
    const int shift = static_cast<int>(inserted.size()) - static_cast<int>(replaced);
    ElemPos& elem = positions_[record];
    elem.startTagEnd += shift;
    elem.endTagBegin += shift;
    elem.endTagEnd += shift;
    // The element's own content lies after its start tag and moves with it.
    ShiftDescendants(record, shift);
    ShiftFollowing(record, shift);
    return true;
}

bool CMarkup::AddElement(std::string_view name)
{
    if (!IsWritableName(name)) {
        return false;
    }
    const std::string_view text = documentText_;
    const int parent = parentPos_;
    const bool topLevel = parent == 0;
    if (topLevel) {
        if (positions_[0].firstChild != 0) {
            return false;
        }
        positions_[0].endTagBegin = static_cast<int>(text.size());
    }
    // The document record has no tags of its own: it is never empty or without content.
    const bool parentEmpty = !topLevel && IsEmptyElement(parent);
    const bool parentNoContent = !topLevel && HasNoContent(parent);
    if (parentEmpty && positions_[parent].endTagBegin > 0 &&
        text[static_cast<size_t>(positions_[parent].endTagBegin) - 1] == '/') {
        // "<p //>" would still read as empty once its last '/' became '>'.
        return false;
    }

    size_t offset = 0;
    if (currentPos_ != 0) {
        offset = static_cast<size_t>(positions_[currentPos_].endTagEnd) + 1;
    } else if (topLevel) {
        offset = text.size();
    } else {
        offset = static_cast<size_t>(parentEmpty ? positions_[parent].startTagEnd
                                                 : positions_[parent].endTagBegin);
    }
    if (!parentEmpty) {
        size_t skip = offset;
        while (skip < text.size() && IsXmlWhitespace(text[skip])) {
            ++skip;
        }
        if (skip == text.size() || text[skip] == '<') {
            offset = skip;
        }
    }

    std::string elementText("<");
    elementText.append(name).append("/>\r\n");
    std::string inserted;
    size_t at = offset;
    size_t replaced = 0;
    size_t elementAt = 0;  // where the new '<' stands within the inserted text
    std::string parentName;
    if (parentEmpty) {
        parentName = NameOf(parent);
        inserted = ">\r\n" + elementText + "</" + parentName;
        at = static_cast<size_t>(positions_[parent].endTagBegin);
        replaced = 1;
        elementAt = 3;
    } else if (parentNoContent && currentPos_ == 0) {
        inserted = "\r\n" + elementText;
        at = static_cast<size_t>(positions_[parent].startTagEnd) + 1;
        elementAt = 2;
    } else {
        inserted = elementText;
    }
    if (!ReplaceText(at, replaced, inserted)) {
        return false;
    }

    const int record = TakeRecord();
    ElemPos& elem = positions_[record];
    elem.parent = parent;
    elem.startTagBegin = static_cast<int>(at + elementAt);
    elem.startTagEnd = elem.startTagBegin + static_cast<int>(name.size()) + 2;
    elem.endTagBegin = elem.startTagEnd - 1;
    elem.endTagEnd = elem.startTagEnd;
    if (currentPos_ != 0) {
        elem.nextSibling = positions_[currentPos_].nextSibling;
        positions_[currentPos_].nextSibling = record;
    } else if (positions_[parent].firstChild == 0) {
        positions_[parent].firstChild = record;
    } else {
        int last = positions_[parent].firstChild;
        while (positions_[last].nextSibling != 0) {
            last = positions_[last].nextSibling;
        }
        positions_[last].nextSibling = record;
    }
    if (parentEmpty) {
        positions_[parent].startTagEnd -= 1;
        positions_[parent].endTagBegin -= static_cast<int>(parentName.size()) + 1;
    }
    ShiftFollowing(record, static_cast<int>(inserted.size()) - static_cast<int>(replaced));
    currentPos_ = record;
    childPos_ = 0;
    currentIsElement_ = 1;
    return true;
}

bool CMarkup::ReplaceText(size_t at, size_t length, std::string_view replacement)
{
    at = std::min(at, documentText_.size());
    length = std::min(length, documentText_.size() - at);
    if (documentText_.size() - length + replacement.size() > kMaxDocumentLength) {
        return false;
    }
    documentText_.replace(at, length, replacement);
    return true;
}

void CMarkup::ShiftOffsets(int record, int shift)
{
    ElemPos& elem = positions_[record];
    elem.startTagBegin += shift;
    elem.startTagEnd += shift;
    elem.endTagBegin += shift;
    elem.endTagEnd += shift;
}

// Shifts `top` and everything inside it, walking the links without recursion.
void CMarkup::ShiftSubtree(int top, int shift)
{
    int record = top;
    for (;;) {
        ShiftOffsets(record, shift);
        if (positions_[record].firstChild != 0) {
            record = positions_[record].firstChild;
            continue;
        }
        while (record != top && positions_[record].nextSibling == 0) {
            record = positions_[record].parent;
        }
        if (record == top) {
            return;
        }
        record = positions_[record].nextSibling;
    }
}

void CMarkup::ShiftDescendants(int record, int shift)
{
    for (int child = positions_[record].firstChild; child != 0;
         child = positions_[child].nextSibling) {
        ShiftSubtree(child, shift);
    }
}

// After a change of `shift` characters inside `record`: what follows it in document order
// moves whole, its ancestors' end tags move.
void CMarkup::ShiftFollowing(int record, int shift)
{
    if (shift == 0) {
        return;
    }
    for (int node = record; node != 0; node = positions_[node].parent) {
        for (int sibling = positions_[node].nextSibling; sibling != 0;
             sibling = positions_[sibling].nextSibling) {
            ShiftSubtree(sibling, shift);
        }
        const int parent = positions_[node].parent;
        if (parent != 0) {
            positions_[parent].endTagBegin += shift;
            positions_[parent].endTagEnd += shift;
        }
    }
}

}  // namespace tessark
