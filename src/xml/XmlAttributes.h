#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace tessark {

class XmlNameSet;
struct XmlPlainTag;

// The attributes of one element, read from its start tag in the document text. The walk goes
// token by token from the tag's '<' over the text, so a reader that holds only the text and
// where an element starts reads exactly what the element table would give it.
class XmlAttributes {
public:
    struct Value {
        size_t begin = 0;
        size_t end = 0;
        bool isClosed = true;
    };

    // No element: every attribute reads as empty.
    XmlAttributes() = default;
    XmlAttributes(std::string_view text, size_t tagBegin) : text_(text), tagBegin_(tagBegin), valid_(true) {}
    // With the '>' that ended the start tag in the parse: a tag of the plain form the writers
    // make is then read in one pass over its characters (same values).
    XmlAttributes(std::string_view text, size_t tagBegin, size_t tagEnd)
        : text_(text), tagBegin_(tagBegin), tagEnd_(tagEnd), valid_(true)
    {
    }
    // With the tag already read in its plain form, which must outlive this object.
    XmlAttributes(std::string_view text, size_t tagBegin, const XmlPlainTag& plain)
        : text_(text), tagBegin_(tagBegin), plain_(&plain), valid_(true)
    {
    }

    // The decoded value, empty when absent.
    std::string Get(std::string_view name) const;
    // Several attributes in one walk: values[i] is what Get(names[i]) gives.
    void GetMany(std::span<const std::string_view> names, std::span<std::string> values) const;
    // The same for names prepared once (faster on plain tags).
    void GetMany(const XmlNameSet& names, std::span<std::string> values) const;
    // The same as views into the text, for a start tag of the plain form (see XmlPlainTag) read
    // with its end known; false for any other tag, which then needs GetMany.
    bool GetPlainViews(const XmlNameSet& names, std::span<std::string_view> values) const;

    // A value counts only as `name` `=` "value"; a name followed by anything else is passed over
    // and the walk goes on. False when absent; `stop` then holds where the walk ended (npos at
    // the end of the text).
    static bool Find(std::string_view text, size_t tagBegin, std::string_view name, Value& value,
                     size_t* stop = nullptr);

private:
    // For a start tag of the plain form (see XmlPlainTag): match(tag) and true; false for any
    // other tag.
    template <typename Match>
    bool ScanPlain(Match&& match) const;

    std::string_view text_;
    size_t tagBegin_ = 0;
    size_t tagEnd_ = std::string_view::npos;
    const XmlPlainTag* plain_ = nullptr;
    bool valid_ = false;
};

}  // namespace tessark
