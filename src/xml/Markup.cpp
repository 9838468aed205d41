#include "xml/Markup.h"

#include <algorithm>
#include <climits>
#include <string>

#include "xml/XmlElementStream.h"
#include "xml/XmlPlainTag.h"
#include "xml/XmlTokenizer.h"

namespace tessark {

CMarkup::CMarkup()
{
    SetDocument({});
}

CMarkup::CMarkup(std::string_view text)
{
    SetDocument(text);
}

CMarkup::~CMarkup() = default;

void CMarkup::ResetNavigation()
{
    parentPos_ = 0;
    currentPos_ = 0;
    childPos_ = 0;
    currentIsElement_ = 0;
}

bool CMarkup::SetDocument(std::string_view text)
{
    return TakeDocument(std::string(text));
}

bool CMarkup::TakeDocument(std::string&& text)
{
    ResetNavigation();
    nextFreePos_ = 1;
    documentText_ = std::move(text);
    const size_t length = documentText_.size();
    positions_.clear();
    positions_.resize(std::min(length, kMaxDocumentLength) / 64 + 8);
    bool parsed = false;
    if (length > kMaxDocumentLength) {
        errorText_ = kXmlDocumentTooLarge;
    } else if (length > 0) {
        parsed = ParseDocument();
    }
    if (!parsed) {
        positions_[0] = ElemPos{};
        nextFreePos_ = 1;
        ResetNavigation();
    }
    return parsed;
}

std::string CMarkup::GetDocument() const
{
    return documentText_;
}

std::string CMarkup::GetParseError() const
{
    return errorText_;
}

int CMarkup::TakeRecord()
{
    if (static_cast<size_t>(nextFreePos_) >= positions_.size()) {
        positions_.resize(positions_.size() + std::max(1, nextFreePos_ / 2));
    }
    const int record = nextFreePos_++;
    positions_[record] = ElemPos{};
    return record;
}

bool CMarkup::Fail(std::string message)
{
    errorText_ = std::move(message);
    return false;
}

// The element tree is built with an explicit chain of open elements (each record's parent
// link), so nesting depth costs heap, never stack.
bool CMarkup::ParseDocument()
{
    positions_[0] = ElemPos{};
    XmlElementStream stream(documentText_);
    int parent = 0;
    std::vector<int> lastChild{0};  // last child seen at each open level
    for (;;) {
        switch (stream.Next()) {
        case XmlElementStream::Step::Failed:
            return Fail(stream.Error());
        case XmlElementStream::Step::Done:
            return true;
        case XmlElementStream::Step::End: {
            ElemPos& closed = positions_[parent];
            closed.endTagBegin = static_cast<int>(stream.EndTagBegin());
            closed.endTagEnd = static_cast<int>(stream.EndTagEnd());
            lastChild.pop_back();
            parent = closed.parent;
            break;
        }
        case XmlElementStream::Step::Start: {
            const int record = TakeRecord();
            ElemPos& elem = positions_[record];
            elem.parent = parent;
            elem.startTagBegin = static_cast<int>(stream.TagBegin());
            elem.startTagEnd = static_cast<int>(stream.TagEnd());
            elem.endTagBegin = elem.startTagEnd + (stream.IsEmpty() ? -1 : 1);
            elem.endTagEnd = stream.IsEmpty() ? elem.startTagEnd : 0;
            if (parent == 0) {
                positions_[0].endTagBegin = elem.startTagBegin;
            }
            if (lastChild.back() != 0) {
                positions_[lastChild.back()].nextSibling = record;
            } else {
                positions_[parent].firstChild = record;
            }
            lastChild.back() = record;
            if (!stream.IsEmpty()) {
                parent = record;
                lastChild.push_back(0);
            }
            break;
        }
        }
    }
}

std::string_view CMarkup::NameOf(int record) const
{
    const std::string_view text = documentText_;
    XmlToken token;
    if (record == 0 ||
        !FindXmlToken(text, static_cast<size_t>(positions_[record].startTagBegin) + 1, token)) {
        return {};
    }
    return token.Text(text);
}

bool CMarkup::IsEmptyElement(int record) const
{
    return positions_[record].startTagEnd == positions_[record].endTagBegin + 1;
}

bool CMarkup::HasNoContent(int record) const
{
    return positions_[record].startTagEnd + 1 == positions_[record].endTagBegin;
}

int CMarkup::FindSibling(int candidate, std::string_view name) const
{
    for (; candidate != 0; candidate = positions_[candidate].nextSibling) {
        if (name.empty() || XmlTokenMatches(NameOf(candidate), name)) {
            return candidate;
        }
    }
    return 0;
}

bool CMarkup::FindElement(std::string_view name)
{
    const int candidate = currentPos_ != 0 ? positions_[currentPos_].nextSibling
                                           : positions_[parentPos_].firstChild;
    const int found = FindSibling(candidate, name);
    if (found == 0) {
        return false;
    }
    parentPos_ = positions_[found].parent;
    currentPos_ = found;
    childPos_ = 0;
    currentIsElement_ = 1;
    return true;
}

bool CMarkup::FindChildElement(std::string_view name)
{
    if (currentPos_ == 0 && !FindElement({})) {
        return false;
    }
    const int candidate = childPos_ != 0 ? positions_[childPos_].nextSibling
                                         : positions_[currentPos_].firstChild;
    const int found = FindSibling(candidate, name);
    if (found == 0) {
        return false;
    }
    childPos_ = found;
    return true;
}

bool CMarkup::IntoElement()
{
    if (currentPos_ == 0 || currentIsElement_ != 1) {
        return false;
    }
    parentPos_ = currentPos_;
    currentPos_ = childPos_;
    childPos_ = 0;
    currentIsElement_ = currentPos_ != 0 ? 1 : 0;
    return true;
}

bool CMarkup::OutOfElement()
{
    if (parentPos_ == 0) {
        return false;
    }
    childPos_ = currentPos_;
    currentPos_ = parentPos_;
    parentPos_ = positions_[parentPos_].parent;
    currentIsElement_ = 1;
    return true;
}

bool CMarkup::FindAttribute(int record, std::string_view name, AttributeValue& value,
                            size_t* stop) const
{
    return XmlAttributes::Find(documentText_, static_cast<size_t>(positions_[record].startTagBegin),
                               name, value, stop);
}

XmlAttributes CMarkup::AttributesOf(int record) const
{
    if (record == 0 || currentIsElement_ != 1) {
        return {};
    }
    return XmlAttributes(documentText_, static_cast<size_t>(positions_[record].startTagBegin));
}

std::string CMarkup::GetAttribute(std::string_view name) const
{
    return Attributes().Get(name);
}

std::string CMarkup::GetChildAttribute(std::string_view name) const
{
    return ChildAttributes().Get(name);
}

void CMarkup::GetAttributes(std::span<const std::string_view> names, std::span<std::string> values) const
{
    Attributes().GetMany(names, values);
}

bool CMarkup::SetAttribute(std::string_view name, int value)
{
    return SetAttribute(name, std::to_string(value));
}

int ReadXmlNumber(std::string_view text)
{
    if (int plain = 0; ReadPlainXmlNumber(text, plain)) {
        return plain;
    }
    size_t at = 0;
    while (at < text.size() && (IsXmlWhitespace(text[at]) || text[at] == '\v' || text[at] == '\f')) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    // Saturates instead of overflowing; a stored number never exceeds int anyway.
    long long value = 0;
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = std::min(kLimit, value * 10 + (text[at] - '0'));
    }
    if (negative) {
        return static_cast<int>(-value);
    }
    return static_cast<int>(std::min(value, static_cast<long long>(INT_MAX)));
}

}  // namespace tessark
