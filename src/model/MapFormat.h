#pragma once

#include <string>
#include <string_view>

namespace tessark {

class CTessarkDoc;

// A map file format the document opens and saves by file extension. The readers and writers
// record the document's error kind and code when they fail.
class MapFormat {
public:
    virtual ~MapFormat() = default;
    // With the leading dot, compared ignoring letter case (".qzbm").
    virtual std::string_view Extension() const = 0;
    virtual bool Load(CTessarkDoc& document, const std::string& path) = 0;
    virtual bool Save(CTessarkDoc& document, const std::string& path) = 0;
};

}  // namespace tessark
