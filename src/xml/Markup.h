#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessark {

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
    std::string GetDocument() const;
    std::string GetParseError() const;

    bool FindElement(std::string_view name = {});
    bool FindChildElement(std::string_view name = {});
    bool IntoElement();
    bool OutOfElement();
    bool AddElement(std::string_view name);

    std::string GetAttribute(std::string_view name) const;
    std::string GetChildAttribute(std::string_view name) const;
    bool SetAttribute(std::string_view name, std::string_view value);
    bool SetAttribute(std::string_view name, int value);

private:
    struct ElemPos {
        int startTagBegin = 0;
        int startTagEnd = 0;
        int endTagBegin = 0;
        int endTagEnd = 0;
        int parent = 0;
        int firstChild = 0;
        int nextSibling = 0;
    };
    // The implementation adds its private helpers here.
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
