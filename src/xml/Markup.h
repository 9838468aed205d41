#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "xml/XmlAttributes.h"

namespace tessark {

// Offsets are stored as int; no document may grow past what they can address.
inline constexpr size_t kMaxXmlDocumentLength = 0x7FFFFF00;
inline constexpr const char* kXmlDocumentTooLarge = "Document too large";

// The XML document every XML file of the program goes through: the whole text plus a table of
// element positions into it. Navigates element by element, reads and writes attributes and
// appends empty elements; edits patch the text in place, so the text handed to a writer is
// exactly the text that was built. Text is UTF-8 (byte-wise scanning is safe: no continuation
// byte is a markup character).
class CMarkup {
public:
    CMarkup();
    explicit CMarkup(std::string_view text);
    virtual ~CMarkup();

    // Replaces the document and parses it; true when a root element was parsed.
    bool SetDocument(std::string_view text);
    // The same, taking over the text instead of copying it (a map can be hundreds of MB).
    bool TakeDocument(std::string&& text);
    std::string GetDocument() const;
    std::string GetParseError() const;

    bool FindElement(std::string_view name = {});
    bool FindChildElement(std::string_view name = {});
    bool IntoElement();
    bool OutOfElement();
    bool AddElement(std::string_view name);

    std::string GetAttribute(std::string_view name) const;
    std::string GetChildAttribute(std::string_view name) const;
    // Several attributes of the current element in one walk over its start tag: values[i] is
    // what GetAttribute(names[i]) gives. For readers of large documents.
    void GetAttributes(std::span<const std::string_view> names, std::span<std::string> values) const;
    // The current element's and the current child's attributes, for readers that take them
    // from the text as well as from a document.
    XmlAttributes Attributes() const { return AttributesOf(currentPos_); }
    XmlAttributes ChildAttributes() const { return AttributesOf(childPos_); }
    bool SetAttribute(std::string_view name, std::string_view value);
    bool SetAttribute(std::string_view name, int value);

    // Where the current element starts in the text, and the text's length: how far a reader
    // has come.
    size_t ElementOffset() const
    {
        const auto index = static_cast<size_t>(currentPos_);
        return index < positions_.size() ? static_cast<size_t>(positions_[index].startTagBegin) : 0;
    }
    size_t DocumentLength() const { return documentText_.size(); }

private:
    friend struct MarkupTableAccess;  // lets tests compare the table with a fresh parse

    struct ElemPos {
        int startTagBegin = 0;
        int startTagEnd = 0;
        int endTagBegin = 0;
        int endTagEnd = 0;
        int parent = 0;
        int firstChild = 0;
        int nextSibling = 0;
    };
    static constexpr size_t kMaxDocumentLength = kMaxXmlDocumentLength;

    using AttributeValue = XmlAttributes::Value;

    void ResetNavigation();
    int TakeRecord();
    bool ParseDocument();
    bool Fail(std::string message);
    std::string_view NameOf(int record) const;
    bool IsEmptyElement(int record) const;
    bool HasNoContent(int record) const;
    int FindSibling(int candidate, std::string_view name) const;
    // False when absent; `stop` then holds where the walk ended (npos at the end of the text).
    bool FindAttribute(int record, std::string_view name, AttributeValue& value,
                       size_t* stop = nullptr) const;
    XmlAttributes AttributesOf(int record) const;
    bool ReplaceText(size_t at, size_t length, std::string_view replacement);
    void ShiftOffsets(int record, int shift);
    void ShiftSubtree(int top, int shift);
    void ShiftDescendants(int record, int shift);
    void ShiftFollowing(int record, int shift);

    std::string documentText_;
    std::string errorText_;
    std::vector<ElemPos> positions_;
    int parentPos_ = 0;
    int currentPos_ = 0;
    int childPos_ = 0;
    int nextFreePos_ = 1;
    int currentIsElement_ = 0;
};

// Lenient number reading of attribute values: leading whitespace, optional sign, decimal
// digits up to the first other character; no digits reads as 0.
int ReadXmlNumber(std::string_view text);

}  // namespace tessark
