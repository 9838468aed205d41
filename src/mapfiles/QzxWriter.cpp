#include "mapfiles/QzxWriter.h"

#include <charconv>
#include <string_view>

#include "data/ItemDatabase.h"
#include "mapfiles/MapSideFiles.h"
#include "mapfiles/QzxLayout.h"
#include "model/DepotItem.h"
#include "model/LoadError.h"
#include "model/MapPath.h"
#include "model/TeleportItem.h"
#include "model/TessarkDoc.h"
#include "platform/AtomicFileSet.h"
#include "platform/AtomicFileWriter.h"
#include "platform/ProgressMeter.h"
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
        : document_(document), database_(document.Database()), progress_(progress, 0)
    {
    }

    bool Write(const std::string& path);

private:
    std::string MapStartTag(const std::string& path);
    bool WriteTile(const CTile& tile, int32_t x, int32_t y, int32_t z);
    // The same text as WriteTile, put together directly for the things whose XML form is
    // plain attributes; false (nothing written) for a tile holding anything else.
    bool WriteTileDirect(const CTile& tile, int32_t x, int32_t y, int32_t z);
    void PutAttribute(std::string_view name, int value);
    void PutAttribute(std::string_view name, std::string_view value);
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
    ProgressMeter progress_;
    std::unique_ptr<AtomicFileWriter> out_;
    std::string buffer_;
    CMarkup element_;
    bool mapHasChildren_ = false;
    double tileCount_ = 0;
};

bool QzxWriter::Write(const std::string& path)
{
    document_.mapDirectory = DirectoryPart(path);
    const std::string mapStart = MapStartTag(path);

    progress_.SetTotal(static_cast<double>(document_.width) * document_.height * kFloorCount);
    out_ = std::make_unique<AtomicFileWriter>(path);
    if (!out_->Open()) {
        document_.errorDetail = SaveFailureDetail(path, out_->Error());
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
        document_.errorDetail = "an item cannot be written as XML";
        return false;  // the temporary file goes with the writer; nothing reaches the target
    }
    WriteTowns();
    Put(mapHasChildren_ ? std::string_view(kMapEndTag) : kEmptyElementEnd);
    Flush();
    if (out_->Failed()) {
        document_.errorDetail = SaveFailureDetail(path, out_->Error());
        return false;
    }
    // The map and its side files are replaced together, once all of them are written.
    AtomicFileSet files;
    files.Add(std::move(out_));
    if (!AddSideFiles(document_, files)) {
        return false;
    }
    if (!files.Commit()) {
        document_.errorDetail = SaveFailureDetail(files.FailedPath(), files.Error());
        return false;
    }
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
    progress_.Update(++tileCount_);
}

void QzxWriter::PutAttribute(std::string_view name, int value)
{
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    buffer_.push_back(' ');
    buffer_.append(name);
    buffer_.append("=\"");
    buffer_.append(digits, result.ptr);
    buffer_.push_back('"');
}

void QzxWriter::PutAttribute(std::string_view name, std::string_view value)
{
    buffer_.push_back(' ');
    buffer_.append(name);
    buffer_.append("=\"");
    for (const char c : value) {
        switch (c) {
        case '<': buffer_.append("&lt;"); break;
        case '&': buffer_.append("&amp;"); break;
        case '>': buffer_.append("&gt;"); break;
        case '\'': buffer_.append("&apos;"); break;
        case '"': buffer_.append("&quot;"); break;
        default: buffer_.push_back(c); break;
        }
    }
    buffer_.push_back('"');
}

bool QzxWriter::WriteTileDirect(const CTile& tile, int32_t x, int32_t y, int32_t z)
{
    for (size_t i = 0; i < tile.GetThingCount(); ++i) {
        const ThingKind kind = tile.GetThing(i)->Kind();
        if (kind != ThingKind::Item && kind != ThingKind::Teleport && kind != ThingKind::Depot) {
            return false;
        }
    }
    BeginChild();
    buffer_.append("<tile");
    PutAttribute("x", x);
    PutAttribute("y", y);
    PutAttribute("z", z);
    if (tile.HasFlags(CTile::kHouseFlag)) {
        PutAttribute("houseid", static_cast<int>(tile.GetHouseId()));
    } else if (tile.IsProtectionZone()) {
        PutAttribute("pz", 1);
    }
    const CItem* ground = tile.GetGround();
    if (ground) {
        PutAttribute("ground", ground->GetTypeKey() + kTypeKeyOffset);
    }
    const size_t first = ground ? 1 : 0;
    if (first == tile.GetThingCount()) {
        buffer_.append(kEmptyElementEnd);
        return true;
    }
    buffer_.append(">\r\n");
    for (size_t i = first; i < tile.GetThingCount(); ++i) {
        const CItem& item = *tile.GetThing(i);
        const ItemType& type = item.GetServerType(database_);
        buffer_.append("<item");
        PutAttribute("id", item.GetTypeKey() + kTypeKeyOffset);
        if (type.stackable || type.group == ItemGroup::Rune || type.group == ItemGroup::Splash ||
            type.group == ItemGroup::FluidContainer) {
            PutAttribute("count", item.GetCount());
        }
        if (item.GetActionId() != 0) {
            PutAttribute("actionId", static_cast<int>(item.GetActionId()));
        }
        if (item.GetUniqueId() != 0) {
            PutAttribute("uniqueId", static_cast<int>(item.GetUniqueId()));
        }
        if (type.group == ItemGroup::Door) {
            PutAttribute("doorId", item.GetCount());
        }
        if (!item.GetSpecialDescription().empty()) {
            PutAttribute("special_description", item.GetSpecialDescription());
        }
        if (!item.GetText().empty()) {
            PutAttribute("text", item.GetText());
        }
        if (item.Kind() == ThingKind::Teleport) {
            const auto& teleport = static_cast<const CTeleportItem&>(item);
            PutAttribute("destx", static_cast<int>(teleport.GetDestX()));
            PutAttribute("desty", static_cast<int>(teleport.GetDestY()));
            PutAttribute("destz", static_cast<int>(teleport.GetDestZ()));
        } else if (item.Kind() == ThingKind::Depot) {
            PutAttribute("depot", static_cast<int>(static_cast<const CDepotItem&>(item).GetDepotId()));
        }
        buffer_.append(kEmptyElementEnd);
    }
    buffer_.append("</tile>\r\n");
    return true;
}

bool QzxWriter::WriteTile(const CTile& tile, int32_t x, int32_t y, int32_t z)
{
    if (WriteTileDirect(tile, x, y, z)) {
        if (buffer_.size() >= kFlushSize) {
            Flush();
        }
        return true;
    }
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
    return QzxWriter(document, progress ? progress : document.Progress()).Write(path);
}

}  // namespace tessark
