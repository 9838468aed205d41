#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "xml/XmlPlainTag.h"

namespace tessark {

// Walks a document's elements in text order, one start or end at a time, keeping only the
// chain of open elements: the parse of CMarkup, with its rules and its error messages, for
// readers of texts too large to hold as an element table. Processing instructions, comments,
// CDATA and declarations are passed over; the walk ends when the first (root) element closes.
class XmlElementStream {
public:
    enum class Step { Start, End, Done, Failed };

    explicit XmlElementStream(std::string_view text) : text_(text), lastGt_(text.rfind('>')) {}

    Step Next();

    // After Start: where the element's '<' and its start tag's '>' are, its name, and whether
    // it closes itself (no End follows it then).
    size_t TagBegin() const { return tagBegin_; }
    size_t TagEnd() const { return tagEnd_; }
    std::string_view Name() const { return name_; }
    bool IsEmpty() const { return empty_; }
    // After Start: the start tag read in one pass when it has the plain form, else null.
    const XmlPlainTag* PlainTag() const { return plainRead_ ? &plain_ : nullptr; }
    // After End: the end tag's '<' and '>'.
    size_t EndTagBegin() const { return endTagBegin_; }
    size_t EndTagEnd() const { return endTagEnd_; }
    // The elements around the last step's element: 0 for the root's start and end.
    size_t Depth() const { return depth_; }
    // After Failed: what is wrong.
    const std::string& Error() const { return error_; }

private:
    Step Fail(std::string message);
    bool ParseEndTag(size_t lt);

    std::string_view text_;
    size_t lastGt_;
    std::vector<std::string_view> open_;
    size_t cursor_ = 0;
    size_t tagBegin_ = 0;
    size_t tagEnd_ = 0;
    size_t endTagBegin_ = 0;
    size_t endTagEnd_ = 0;
    size_t depth_ = 0;
    std::string_view name_;
    std::string error_;
    XmlPlainTag plain_;
    bool plainRead_ = false;
    bool empty_ = false;
    bool rootClosed_ = false;
    bool failed_ = false;
};

}  // namespace tessark
