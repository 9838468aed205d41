#include "xml/Markup.h"

#include <algorithm>
#include <climits>
#include <string>

#include "xml/XmlEntities.h"
#include "xml/XmlTokenizer.h"

namespace tessark {

namespace {

constexpr const char* kElementTagNotFound = "Element tag not found";
constexpr const char* kAbruptEnd = "Abrupt end within tag";
constexpr const char* kTagStartsWithQuote = "Tag starts with quote";
constexpr const char* kInvalidNode = "Invalid node";
constexpr const char* kEndOfTagNotFound = "End of tag not found";
constexpr const char* kDocumentTooLarge = "Document too large";

}  // namespace

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
        errorText_ = kDocumentTooLarge;
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

// The element tree is walked with an explicit chain of open elements (each record's parent
// link), so nesting depth costs heap, never stack.
bool CMarkup::ParseDocument()
{
    positions_[0] = ElemPos{};
    int parent = 0;
    std::vector<int> lastChild{0};  // last child seen at each open level
    for (;;) {
        const int record = ParseElementStart(parent);
        if (record < 0) {
            return false;
        }
        if (record == 0) {
            if (parent == 0) {
                // An end tag where the root element should start.
                return Fail(kElementTagNotFound);
            }
            if (!ParseEndTag(parent)) {
                return false;
            }
            lastChild.pop_back();
            const int closed = parent;
            parent = positions_[closed].parent;
            if (parent == 0) {
                positions_[0].firstChild = closed;
                return true;
            }
            positions_[parent].endTagBegin = positions_[closed].endTagEnd + 1;
            continue;
        }
        if (lastChild.back() != 0) {
            positions_[lastChild.back()].nextSibling = record;
        } else {
            positions_[parent].firstChild = record;
        }
        lastChild.back() = record;
        if (IsEmptyElement(record)) {
            if (parent == 0) {
                return true;
            }
            positions_[parent].endTagBegin = positions_[record].endTagEnd + 1;
        } else {
            parent = record;
            lastChild.push_back(0);
        }
    }
}

// Takes the next element under `parent`, scanning from the parent's endTagBegin. Returns the
// new record, 0 when an end tag comes first (the parent's endTagBegin then holds its '<'), or
// -1 after an error.
int CMarkup::ParseElementStart(int parent)
{
    const std::string_view text = documentText_;
    const int record = TakeRecord();
    positions_[record].parent = parent;
    size_t scan = static_cast<size_t>(positions_[parent].endTagBegin);
    for (;;) {
        const size_t lt = text.find('<', scan);
        if (lt == std::string_view::npos) {
            Fail(kElementTagNotFound);
            return -1;
        }
        positions_[parent].endTagBegin = static_cast<int>(lt);
        positions_[record].startTagBegin = static_cast<int>(lt);
        XmlToken token;
        if (!FindXmlToken(text, lt + 1, token)) {
            Fail(kAbruptEnd);
            return -1;
        }
        if (token.isString) {
            Fail(kTagStartsWithQuote);
            return -1;
        }
        if (token.Is(text, '?') || token.Is(text, '!')) {
            // Processing instructions, comments, CDATA and declarations are passed over.
            const size_t end = SkipXmlNode(text, lt);
            if (end == std::string_view::npos) {
                Fail(kInvalidNode);
                return -1;
            }
            scan = end;
            continue;
        }
        if (token.Is(text, '/')) {
            --nextFreePos_;
            return 0;
        }
        const size_t gt = text.find('>', token.next);
        if (gt == std::string_view::npos) {
            Fail(kEndOfTagNotFound);
            return -1;
        }
        ElemPos& elem = positions_[record];
        elem.startTagEnd = static_cast<int>(gt);
        if (text[gt - 1] == '/') {
            elem.endTagBegin = elem.startTagEnd - 1;
            elem.endTagEnd = elem.startTagEnd;
        } else {
            elem.endTagBegin = elem.startTagEnd + 1;
        }
        return record;
    }
}

// Checks the end tag whose '<' is at the record's endTagBegin and records its '>'.
bool CMarkup::ParseEndTag(int record)
{
    const std::string_view text = documentText_;
    const std::string name(NameOf(record));
    size_t scan = static_cast<size_t>(positions_[record].endTagBegin) + 1;
    int markupTokens = 0;
    XmlToken token;
    while (FindXmlToken(text, scan, token)) {
        scan = token.next;
        if (token.isString) {
            continue;
        }
        ++markupTokens;
        if (markupTokens == 1 && !token.Is(text, '/')) {
            return Fail("Expecting end tag of element " + name);
        }
        if (markupTokens == 2) {
            if (!XmlTokenMatches(token.Text(text), name)) {
                return Fail("End tag does not correspond to " + name);
            }
            continue;  // the name itself never ends the tag, even for an element named ">"
        }
        if (token.Is(text, '>')) {
            positions_[record].endTagEnd = static_cast<int>(token.begin);
            return true;
        }
    }
    return Fail("End tag not completed for element " + name);
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

// Walks the start tag's tokens after the name. A value counts only as `name` `=` "value";
// a name followed by anything else is passed over and the walk goes on.
bool CMarkup::FindAttribute(int record, std::string_view name, AttributeValue& value,
                            size_t* stop) const
{
    const std::string_view text = documentText_;
    if (stop != nullptr) {
        *stop = std::string_view::npos;
    }
    XmlToken token;
    if (!FindXmlToken(text, static_cast<size_t>(positions_[record].startTagBegin) + 1, token)) {
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

std::string CMarkup::ReadAttribute(int record, std::string_view name) const
{
    AttributeValue value;
    if (record == 0 || currentIsElement_ != 1 || !FindAttribute(record, name, value)) {
        return {};
    }
    return DecodeXmlEntities(std::string_view(documentText_).substr(value.begin, value.end - value.begin));
}

std::string CMarkup::GetAttribute(std::string_view name) const
{
    return ReadAttribute(currentPos_, name);
}

std::string CMarkup::GetChildAttribute(std::string_view name) const
{
    return ReadAttribute(childPos_, name);
}

bool CMarkup::SetAttribute(std::string_view name, int value)
{
    return SetAttribute(name, std::to_string(value));
}

int ReadXmlNumber(std::string_view text)
{
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
