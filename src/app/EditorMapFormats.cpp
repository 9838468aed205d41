#include "app/EditorMapFormats.h"

#include <QCoreApplication>
#include <memory>

#include "mapfiles/MapFormats.h"
#include "mapfiles/QzxReader.h"
#include "mapfiles/QzxWriter.h"
#include "model/MapFormat.h"
#include "model/TessarkDoc.h"

namespace tessark {

namespace {

class ReportingQzxFormat final : public MapFormat {
public:
    explicit ReportingQzxFormat(std::function<void(int)> progress) : progress_(std::move(progress)) {}

    std::string_view Extension() const override { return CTessarkDoc::kXmlExtension; }
    bool Load(CTessarkDoc& document, const std::string& path) override { return LoadQzx(document, path); }
    bool Save(CTessarkDoc& document, const std::string& path) override
    {
        return SaveQzx(document, path, [this](int percent) {
            if (progress_) {
                progress_(percent);
            }
            // Repaints go on while the map is written; input waits, so that nobody edits the
            // map half-way through its save.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    }

private:
    std::function<void(int)> progress_;
};

}  // namespace

void RegisterEditorMapFormats(CTessarkDoc& document, std::function<void(int percent)> progress)
{
    document.RegisterMapFormat(MakeQzbmFormat());
    document.RegisterMapFormat(std::make_unique<ReportingQzxFormat>(std::move(progress)));
}

}  // namespace tessark
