#include "mapfiles/MapFormats.h"

#include <memory>

#include "mapfiles/QzbmReader.h"
#include "mapfiles/QzbmWriter.h"
#include "mapfiles/QzxReader.h"
#include "mapfiles/QzxWriter.h"
#include "model/MapFormat.h"
#include "model/TessarkDoc.h"

namespace tessark {

namespace {

class QzbmFormat final : public MapFormat {
public:
    std::string_view Extension() const override { return ".qzbm"; }
    bool Load(CTessarkDoc& document, const std::string& path) override
    {
        return LoadQzbm(document, path, false);
    }
    bool Save(CTessarkDoc& document, const std::string& path) override
    {
        return SaveQzbm(document, path);
    }
};

class QzxFormat final : public MapFormat {
public:
    std::string_view Extension() const override { return ".qzx"; }
    bool Load(CTessarkDoc& document, const std::string& path) override
    {
        return LoadQzx(document, path);
    }
    bool Save(CTessarkDoc& document, const std::string& path) override
    {
        return SaveQzx(document, path);
    }
};

}  // namespace

std::unique_ptr<MapFormat> MakeQzbmFormat() { return std::make_unique<QzbmFormat>(); }

std::unique_ptr<MapFormat> MakeQzxFormat() { return std::make_unique<QzxFormat>(); }

void RegisterMapFormats(CTessarkDoc& document)
{
    document.RegisterMapFormat(MakeQzbmFormat());
    document.RegisterMapFormat(MakeQzxFormat());
}

}  // namespace tessark
