#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "xml/XmlPlainTag.h"
#include "xml/XmlTextWindow.h"

namespace tessark {

// Walks a document's elements in text order, one start or end at a time, keeping only the
// chain of open elements: the parse of CMarkup, with its rules and its error messages, for
// readers of texts too large to hold as an element table. Processing instructions, comments,
// CDATA and declarations are passed over; the walk ends when the first (root) element closes.
//
// Over a window, positions are in Text(), which moves on between steps: what a step gives
// (names, values, positions) holds until the next step.
class XmlElementStream {
public:
    enum class Step { Start, End, Done, Failed };

    // Over a whole text, which must outlive the stream: positions are then offsets into it.
    explicit XmlElementStream(std::string_view text) : own_(text), window_(own_), lastGt_(text.rfind('>')) {}
    // Over a window already opened, which must outlive the stream.
    explicit XmlElementStream(XmlTextWindow& window) : window_(window), lastGt_(window.Text().rfind('>')) {}
    XmlElementStream(const XmlElementStream&) = delete;
    XmlElementStream& operator=(const XmlElementStream&) = delete;

    Step Next();

    // The text the positions below point into, and where it starts in the whole text.
    std::string_view Text() const { return window_.Text(); }
    size_t Offset() const { return window_.Offset(); }
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
    // How reading the tag at a '<' went; a failure may only be the window cutting it short.
    enum class Read { Start, End, Skipped, Failed };

    Step Fail(std::string message);
    Read ReadTag(std::string_view text, size_t lt);
    Read ParseEndTag(std::string_view text, size_t lt);
    // Moves the window on, keeping the text from `keep`; false when the text has no more.
    bool MoveOn(size_t keep);
    std::string_view Innermost() const { return std::string_view(openNames_).substr(openBegins_.back()); }

    XmlTextWindow own_;
    XmlTextWindow& window_;
    size_t lastGt_;
    // The names of the open elements, one after another: they outlive the window's moves.
    std::string openNames_;
    std::vector<size_t> openBegins_;
    size_t cursor_ = 0;
    size_t tagBegin_ = 0;
    size_t tagEnd_ = 0;
    size_t endTagBegin_ = 0;
    size_t endTagEnd_ = 0;
    size_t depth_ = 0;
    std::string_view name_;
    std::string error_;
    // Why the last ReadTag failed.
    std::string failure_;
    XmlPlainTag plain_;
    bool plainRead_ = false;
    bool empty_ = false;
    bool rootClosed_ = false;
    bool failed_ = false;
};

}  // namespace tessark
