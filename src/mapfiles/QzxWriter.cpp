#include "mapfiles/QzxWriter.h"

#include <string_view>

#include "data/ItemDatabase.h"
#include "mapfiles/MapSideFiles.h"
#include "mapfiles/QzxLayout.h"
#include "model/LoadError.h"
#include "model/MapPath.h"
#include "model/TessarkDoc.h"
#include "platform/AtomicFileWriter.h"
#include "xml/Markup.h"

namespace tessark {

namespace {

using namespace qzx;

// Element text as the XML document writes it for an element alone: "<name .../>" CR LF, or the
// start tag, CR LF, the children and the end tag. Cut into its start tag and the rest, so that
// children can be streamed in between.
constexpr std::string_view kEmptyElementEnd = "/>\r\n";

class QzxWriter {
public:
    QzxWriter(CTessarkDoc& document, const QzxProgress& progress)
        : document_(document), database_(document.Database()), progress_(progress)
    {
    }

    bool Write(const std::string& path);

private:
    std::string MapStartTag(const std::string& path);
    bool WriteTile(const CTile& tile, int32_t x, int32_t y, int32_t z);
    bool WriteTowns();
    void ReportProgress();
    // Opens the map element on its first child.
    void BeginChild();
    void Put(std::string_view text)
    {
        buffer_.append(text);
        if (buffer_.size() >= kFlushSize) {
            Flush();
        }
    }
    void Flush()
    {
        out_->Write(buffer_.data(), buffer_.size());
        buffer_.clear();
    }

    static constexpr size_t kFlushSize = 256 * 1024;

    CTessarkDoc& document_;
    const ItemDatabase& database_;
    const QzxProgress& progress_;
    std::unique_ptr<AtomicFileWriter> out_;
    std::string buffer_;
    CMarkup element_;
    bool mapHasChildren_ = false;
    double tileCount_ = 0;
    double progressTotal_ = 1;
    int lastPercent_ = 0;
};

bool QzxWriter::Write(const std::string& path)
{
    document_.mapDirectory = DirectoryPart(path);
    const std::string mapStart = MapStartTag(path);

    progressTotal_ = static_cast<double>(document_.width) * document_.height * kFloorCount;
    out_ = std::make_unique<AtomicFileWriter>(path);
    if (!out_->Open()) {
        return false;
    }
    Put(mapStart);
    bool refused = false;
    for (int floor = 0; floor < kFloorCount && !refused; ++floor) {
        document_.Tiles().ForEachTile(floor, [&](uint32_t key, const CTile& tile) {
            int32_t x = 0;
            int32_t y = 0;
            SplitTileKey(key, x, y);
            if (refused || x > document_.width || y > document_.height) {
                return;
            }
            ReportProgress();
            refused = !WriteTile(tile, x, y, floor);
        });
    }
    if (refused) {
        document_.errorKind = static_cast<int32_t>(LoadErrorKind::UnserializeObject);
        document_.errorCode = 0;
        return false;  // the temporary file goes with the writer; nothing reaches the target
    }
    WriteTowns();
    Put(mapHasChildren_ ? std::string_view(kMapEndTag) : kEmptyElementEnd);
    Flush();
    if (!out_->Commit()) {
        return false;
    }
    WriteSideFiles(document_);
    return true;
}

std::string QzxWriter::MapStartTag(const std::string& path)
{
    NameSideFiles(document_, path);
    CMarkup xml(kDeclaration);
    xml.AddElement(kMapElement);
    xml.SetAttribute("width", document_.width);
    xml.SetAttribute("height", document_.height);
    xml.SetAttribute("templex", document_.temple.x);
    xml.SetAttribute("templey", document_.temple.y);
    xml.SetAttribute("templez", document_.temple.z);
    if (!document_.Spawns().Empty()) {
        xml.SetAttribute("spawnfile", document_.GetSpawnFile());
    }
    if (!document_.Houses().Empty()) {
        xml.SetAttribute("housefile", document_.GetHouseFile());
    }
    std::string text = xml.GetDocument();
    // The element is still empty: "<map .../>" CR LF. Its end is written once it is known
    // whether children follow.
    text.resize(text.size() - kEmptyElementEnd.size());
    return text;
}

void QzxWriter::BeginChild()
{
    if (!mapHasChildren_) {
        Put(">\r\n");
        mapHasChildren_ = true;
    }
}

void QzxWriter::ReportProgress()
{
    ++tileCount_;
    if (!progress_) {
        return;
    }
    const int percent = static_cast<int>(tileCount_ / progressTotal_ * 100.0);
    if (percent >= lastPercent_ + 5) {
        lastPercent_ = percent;
        progress_(percent);
    }
}

bool QzxWriter::WriteTile(const CTile& tile, int32_t x, int32_t y, int32_t z)
{
    // One small document per tile gives exactly the text the tile's element has inside the map.
    element_.SetDocument({});
    element_.AddElement(kTileElement);
    element_.SetAttribute("x", x);
    element_.SetAttribute("y", y);
    element_.SetAttribute("z", z);
    if (tile.HasFlags(CTile::kHouseFlag)) {
        element_.SetAttribute("houseid", static_cast<int>(tile.GetHouseId()));
    } else if (tile.IsProtectionZone()) {
        element_.SetAttribute("pz", 1);
    }
    element_.IntoElement();
    for (size_t i = 0; i < tile.GetThingCount(); ++i) {
        if (!tile.GetThing(i)->XmlIO(element_, true, database_)) {
            return false;
        }
    }
    BeginChild();
    Put(element_.GetDocument());
    return true;
}

bool QzxWriter::WriteTowns()
{
    if (document_.Towns().Empty()) {
        return true;
    }
    CMarkup xml;
    xml.AddElement(kTownsElement);
    xml.IntoElement();
    for (const auto& [id, town] : document_.Towns().Towns()) {
        xml.AddElement(kTownElement);
        xml.SetAttribute("name", town->name);
        xml.SetAttribute("townid", static_cast<int>(id));
        xml.SetAttribute("templex", town->templeX);
        xml.SetAttribute("templey", town->templeY);
        xml.SetAttribute("templez", town->templeZ);
    }
    BeginChild();
    Put(xml.GetDocument());
    return true;
}

}  // namespace

bool SaveQzx(CTessarkDoc& document, const std::string& path, const QzxProgress& progress)
{
    return QzxWriter(document, progress).Write(path);
}

}  // namespace tessark
