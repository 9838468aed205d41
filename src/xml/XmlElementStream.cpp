#include "xml/XmlElementStream.h"

#include <algorithm>

#include "xml/XmlPlainTag.h"
#include "xml/XmlTokenizer.h"

namespace tessark {

namespace {

constexpr const char* kElementTagNotFound = "Element tag not found";
constexpr const char* kAbruptEnd = "Abrupt end within tag";
constexpr const char* kTagStartsWithQuote = "Tag starts with quote";
constexpr const char* kInvalidNode = "Invalid node";
constexpr const char* kEndOfTagNotFound = "End of tag not found";

// text.find(c, from) for a byte that is usually a few characters away (the next tag of a map).
size_t FindNear(std::string_view text, char c, size_t from)
{
    const size_t near = std::min(text.size(), from + 64);
    for (size_t at = from; at < near; ++at) {
        if (text[at] == c) {
            return at;
        }
    }
    return near < text.size() ? text.find(c, near) : std::string_view::npos;
}

}  // namespace

XmlElementStream::Step XmlElementStream::Fail(std::string message)
{
    error_ = std::move(message);
    failed_ = true;
    return Step::Failed;
}

bool XmlElementStream::MoveOn(size_t keep)
{
    if (window_.AtEnd()) {
        return false;
    }
    window_.Advance(keep);
    cursor_ = 0;
    lastGt_ = window_.Text().rfind('>');
    return true;
}

XmlElementStream::Step XmlElementStream::Next()
{
    if (failed_) {
        return Step::Failed;
    }
    if (rootClosed_) {
        return Step::Done;
    }
    for (;;) {
        const std::string_view text = window_.Text();
        const size_t lt = FindNear(text, '<', cursor_);
        if (lt == std::string_view::npos) {
            if (MoveOn(text.size())) {
                continue;
            }
            return Fail(kElementTagNotFound);
        }
        // A tag read in full inside the window reads as in the whole text; one that fails may
        // only be cut short, so it is read again with more text, up to the text's end.
        const Read read = ReadTag(text, lt);
        if (read == Read::Failed) {
            if (MoveOn(lt)) {
                continue;
            }
            return Fail(std::move(failure_));
        }
        if (read == Read::Skipped) {
            continue;
        }
        if (read == Read::End) {
            openNames_.resize(openBegins_.back());
            openBegins_.pop_back();
            depth_ = openBegins_.size();
            rootClosed_ = openBegins_.empty();
            cursor_ = endTagEnd_ + 1;
            return Step::End;
        }
        tagBegin_ = lt;
        empty_ = text[tagEnd_ - 1] == '/';
        depth_ = openBegins_.size();
        cursor_ = tagEnd_ + 1;
        if (!empty_) {
            openBegins_.push_back(openNames_.size());
            openNames_.append(name_);
        } else if (openBegins_.empty()) {
            rootClosed_ = true;
        }
        return Step::Start;
    }
}

// Sets tagEnd_ and name_ for a start tag, the end tag's positions for an end tag, cursor_
// past a node passed over, or failure_.
XmlElementStream::Read XmlElementStream::ReadTag(std::string_view text, size_t lt)
{
    plainRead_ = ScanXmlPlainTag(text, lt, plain_, lastGt_);
    if (plainRead_) {
        tagEnd_ = plain_.end;
        name_ = plain_.name;
        return Read::Start;
    }
    XmlToken token;
    if (!FindXmlToken(text, lt + 1, token)) {
        failure_ = kAbruptEnd;
        return Read::Failed;
    }
    if (token.isString) {
        failure_ = kTagStartsWithQuote;
        return Read::Failed;
    }
    if (token.Is(text, '?') || token.Is(text, '!')) {
        const size_t end = SkipXmlNode(text, lt);
        if (end == std::string_view::npos) {
            failure_ = kInvalidNode;
            return Read::Failed;
        }
        cursor_ = end;
        return Read::Skipped;
    }
    if (token.Is(text, '/')) {
        if (openBegins_.empty()) {
            // An end tag where the root element should start.
            failure_ = kElementTagNotFound;
            return Read::Failed;
        }
        return ParseEndTag(text, lt);
    }
    const size_t gt = FindNear(text, '>', token.next);
    if (gt == std::string_view::npos) {
        failure_ = kEndOfTagNotFound;
        return Read::Failed;
    }
    if (!window_.AtEnd()) {
        // The attributes' walk goes on to a '>', '/' or '?' outside quotes, which can lie past
        // the tag's end: it must be in the window too.
        XmlToken after;
        size_t scan = token.next;
        for (;;) {
            if (!FindXmlToken(text, scan, after)) {
                failure_ = kEndOfTagNotFound;
                return Read::Failed;
            }
            scan = after.next;
            if (after.Is(text, '>') || after.Is(text, '/') || after.Is(text, '?')) {
                break;
            }
        }
    }
    tagEnd_ = gt;
    name_ = token.Text(text);
    return Read::Start;
}

// Checks the end tag whose '<' is at `lt` against the innermost open element.
XmlElementStream::Read XmlElementStream::ParseEndTag(std::string_view text, size_t lt)
{
    const std::string_view name = Innermost();
    size_t scan = lt + 1;
    int markupTokens = 0;
    XmlToken token;
    while (FindXmlToken(text, scan, token)) {
        scan = token.next;
        if (token.isString) {
            continue;
        }
        ++markupTokens;
        if (markupTokens == 1 && !token.Is(text, '/')) {
            failure_ = "Expecting end tag of element " + std::string(name);
            return Read::Failed;
        }
        if (markupTokens == 2) {
            if (!XmlTokenMatches(token.Text(text), name)) {
                failure_ = "End tag does not correspond to " + std::string(name);
                return Read::Failed;
            }
            continue;  // the name itself never ends the tag, even for an element named ">"
        }
        if (token.Is(text, '>')) {
            endTagBegin_ = lt;
            endTagEnd_ = token.begin;
            return Read::End;
        }
    }
    failure_ = "End tag not completed for element " + std::string(name);
    return Read::Failed;
}

}  // namespace tessark
