#include "mapfiles/QzxReader.h"

#include <memory>

#include "data/ItemDatabase.h"
#include "mapfiles/MapReadRegistry.h"
#include "mapfiles/QzxLayout.h"
#include "mapfiles/TemplateLoader.h"
#include "model/LoadError.h"
#include "model/MapPath.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/MessageSink.h"
#include "platform/ProgressMeter.h"
#include "xml/Markup.h"
#include "xml/XmlTextFile.h"

namespace tessark {

namespace {

using namespace qzx;

class QzxReader {
public:
    explicit QzxReader(CTessarkDoc& document)
        : document_(document), database_(document.Database()), registry_(document),
          progress_(document.Progress(), 0)
    {
    }

    bool Read(const std::string& path);

private:
    bool Fail(LoadErrorKind kind, std::string detail = {})
    {
        document_.errorKind = static_cast<int32_t>(kind);
        document_.errorCode = 0;
        document_.errorDetail = std::move(detail);
        return false;
    }
    bool FailItem(int id, const Position& position, const char* problem)
    {
        return Fail(LoadErrorKind::UnserializeObject,
                    "the item id " + std::to_string(id) + " on the tile at " + std::to_string(position.x) +
                        ", " + std::to_string(position.y) + ", " + std::to_string(position.z) + problem);
    }
    int Number(std::string_view attribute) const
    {
        return ReadXmlNumber(xml_.GetAttribute(attribute));
    }
    // The type key for an id of the file, by server id or by client id.
    int32_t KeyOf(int id) const
    {
        const int32_t key = id - kTypeKeyOffset;
        return clientIds_ ? database_.ClientToServer(static_cast<uint32_t>(key)) : key;
    }

    void ReadMapAttributes();
    bool ReadTile();
    void ReadTowns();

    CTessarkDoc& document_;
    ItemDatabase& database_;
    MapReadRegistry registry_;
    CMarkup xml_;
    ProgressMeter progress_;
    bool clientIds_ = false;
    std::string tileAttributes_[6];
};

bool QzxReader::Read(const std::string& path)
{
    XmlTextFile file = ReadXmlTextFile(path);
    if (file.result != XmlReadResult::Ok) {
        return Fail(LoadErrorKind::Generic, file.result == XmlReadResult::BinaryData
                                                ? "the file holds binary data"
                                                : "the file cannot be read");
    }
    if (!xml_.TakeDocument(std::move(file.text))) {
        const std::string message = "Error: " + xml_.GetParseError() + "\r\n";
        document_.Messages().Ask({message, MessageIcon::Error, FileNamePart(path)});
        // The message said it; the open shows no second one.
        return Fail(LoadErrorKind::None);
    }
    if (!xml_.FindElement(kMapElement)) {
        return Fail(LoadErrorKind::Header, "the file has no map element");
    }
    progress_.SetTotal(static_cast<double>(xml_.DocumentLength()));
    document_.mapDirectory = DirectoryPart(path);
    ReadMapAttributes();
    xml_.IntoElement();

    // Removing an empty tile below counts as an edit; reading a map is none.
    const bool wasModified = document_.IsModified();
    bool read = true;
    while (read && xml_.FindElement(kTileElement)) {
        read = ReadTile();
        progress_.Update(static_cast<double>(xml_.ElementOffset()));
    }
    document_.SetModifiedFlag(wasModified);
    if (!read) {
        return false;
    }
    registry_.ReportTilesLeftOut();
    // Only a towns element after the last tile is found.
    ReadTowns();
    document_.errorKind = 0;
    document_.errorCode = 0;
    document_.errorDetail.clear();
    return true;
}

void QzxReader::ReadMapAttributes()
{
    const int width = Number("width");
    const int height = Number("height");
    if (width > 0) {
        document_.width = width;
    }
    if (height > 0) {
        document_.height = height;
    }
    document_.temple = {Number("templex"), Number("templey"), Number("templez")};
    document_.SetSpawnFile(xml_.GetAttribute("spawnfile"));
    document_.SetHouseFile(xml_.GetAttribute("housefile"));
    clientIds_ = Number("isclientid") == 1;
}

bool QzxReader::ReadTile()
{
    // One walk over the start tag for all of them: a map holds millions of tiles.
    static constexpr std::string_view kNames[] = {"x", "y", "z", "houseid", "ground", "pz"};
    xml_.GetAttributes(kNames, tileAttributes_);
    const Position position{ReadXmlNumber(tileAttributes_[0]), ReadXmlNumber(tileAttributes_[1]),
                            ReadXmlNumber(tileAttributes_[2])};
    if (position.z < 0 || position.z >= kFloorCount || !registry_.AdmitTile(position)) {
        return true;
    }
    const int houseId = ReadXmlNumber(tileAttributes_[3]);
    const int ground = ReadXmlNumber(tileAttributes_[4]);
    CTile* tile =
        document_.StoreTile(std::make_unique<CTile>(), position.x, position.y, position.z);
    if (houseId != 0) {
        document_.Houses().GetHouse(static_cast<uint32_t>(houseId), true)->AddTile(tile);
    }
    if (ground >= kTypeKeyOffset) {
        // A house tile is written without pz: it keeps the protection zone its house gave it.
        const std::string& pz = tileAttributes_[5];
        if (houseId == 0 || !pz.empty()) {
            tile->SetProtectionZone(ReadXmlNumber(pz) == 1);
        }
        if (std::unique_ptr<CItem> thing = CreateThing(database_, KeyOf(ground), 0)) {
            tile->AddThing(database_, std::move(thing), false);
        }
    }
    while (xml_.FindChildElement(kItemElement)) {
        const int id = ReadXmlNumber(xml_.GetChildAttribute("id"));
        if (id < kTypeKeyOffset) {
            return FailItem(id, position, " is below 100");
        }
        std::unique_ptr<CItem> item = CreateThing(database_, KeyOf(id), 0);
        if (!item) {
            continue;
        }
        if (!item->XmlIO(xml_, false, database_)) {
            return FailItem(id, position, " has attributes that cannot be read");
        }
        registry_.Register(*item, position);
        tile->AddThing(database_, std::move(item), false);
    }
    if (document_.templateLoaded && tile->GetGround()) {
        ApplyGroundTemplate(document_, *tile);
    }
    if (tile->GetThingCount() == 0) {
        document_.RemoveTile(position.x, position.y, position.z);
    }
    return true;
}

void QzxReader::ReadTowns()
{
    if (!xml_.FindElement(kTownsElement)) {
        return;
    }
    while (xml_.FindChildElement(kTownElement)) {
        const int id = ReadXmlNumber(xml_.GetChildAttribute("townid"));
        if (id <= 0) {
            continue;
        }
        Town* town = document_.Towns().GetTown(static_cast<uint32_t>(id), true);
        town->name = xml_.GetChildAttribute("name");
        town->templeX = ReadXmlNumber(xml_.GetChildAttribute("templex"));
        town->templeY = ReadXmlNumber(xml_.GetChildAttribute("templey"));
        town->templeZ = ReadXmlNumber(xml_.GetChildAttribute("templez"));
    }
}

}  // namespace

bool LoadQzx(CTessarkDoc& document, const std::string& path)
{
    return QzxReader(document).Read(path);
}

}  // namespace tessark
