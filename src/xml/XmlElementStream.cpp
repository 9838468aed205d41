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

XmlElementStream::Step XmlElementStream::Next()
{
    if (failed_) {
        return Step::Failed;
    }
    if (rootClosed_) {
        return Step::Done;
    }
    const std::string_view text = text_;
    for (;;) {
        const size_t lt = FindNear(text, '<', cursor_);
        if (lt == std::string_view::npos) {
            return Fail(kElementTagNotFound);
        }
        size_t gt = 0;
        plainRead_ = ScanXmlPlainTag(text, lt, plain_, lastGt_);
        if (plainRead_) {
            gt = plain_.end;
            name_ = plain_.name;
        } else {
            XmlToken token;
            if (!FindXmlToken(text, lt + 1, token)) {
                return Fail(kAbruptEnd);
            }
            if (token.isString) {
                return Fail(kTagStartsWithQuote);
            }
            if (token.Is(text, '?') || token.Is(text, '!')) {
                const size_t end = SkipXmlNode(text, lt);
                if (end == std::string_view::npos) {
                    return Fail(kInvalidNode);
                }
                cursor_ = end;
                continue;
            }
            if (token.Is(text, '/')) {
                if (open_.empty()) {
                    // An end tag where the root element should start.
                    return Fail(kElementTagNotFound);
                }
                if (!ParseEndTag(lt)) {
                    return Step::Failed;
                }
                open_.pop_back();
                depth_ = open_.size();
                rootClosed_ = open_.empty();
                cursor_ = endTagEnd_ + 1;
                return Step::End;
            }
            gt = FindNear(text, '>', token.next);
            if (gt == std::string_view::npos) {
                return Fail(kEndOfTagNotFound);
            }
            name_ = token.Text(text);
        }
        tagBegin_ = lt;
        tagEnd_ = gt;
        empty_ = text[gt - 1] == '/';
        depth_ = open_.size();
        cursor_ = gt + 1;
        if (!empty_) {
            open_.push_back(name_);
        } else if (open_.empty()) {
            rootClosed_ = true;
        }
        return Step::Start;
    }
}

// Checks the end tag whose '<' is at `lt` against the innermost open element.
bool XmlElementStream::ParseEndTag(size_t lt)
{
    const std::string_view text = text_;
    const std::string_view name = open_.back();
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
            Fail("Expecting end tag of element " + std::string(name));
            return false;
        }
        if (markupTokens == 2) {
            if (!XmlTokenMatches(token.Text(text), name)) {
                Fail("End tag does not correspond to " + std::string(name));
                return false;
            }
            continue;  // the name itself never ends the tag, even for an element named ">"
        }
        if (token.Is(text, '>')) {
            endTagBegin_ = lt;
            endTagEnd_ = token.begin;
            return true;
        }
    }
    Fail("End tag not completed for element " + std::string(name));
    return false;
}

}  // namespace tessark
