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
#include "xml/Markup.h"
#include "xml/XmlTextFile.h"

namespace tessark {

namespace {

using namespace qzx;

class QzxReader {
public:
    explicit QzxReader(CTessarkDoc& document)
        : document_(document), database_(document.Database()), registry_(document)
    {
    }

    bool Read(const std::string& path);

private:
    bool Fail(LoadErrorKind kind)
    {
        document_.errorKind = static_cast<int32_t>(kind);
        document_.errorCode = 0;
        return false;
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
    bool clientIds_ = false;
};

bool QzxReader::Read(const std::string& path)
{
    XmlTextFile file = ReadXmlTextFile(path);
    if (file.result != XmlReadResult::Ok) {
        return Fail(LoadErrorKind::Generic);
    }
    if (!xml_.SetDocument(file.text)) {
        document_.Messages().ShowMessage("Error: " + xml_.GetParseError() + "\r\n",
                                         MessageIcon::Error);
        // The message said it; the open shows no second one.
        return Fail(LoadErrorKind::None);
    }
    std::string().swap(file.text);
    if (!xml_.FindElement(kMapElement)) {
        return Fail(LoadErrorKind::Header);
    }
    document_.mapDirectory = DirectoryPart(path);
    ReadMapAttributes();
    xml_.IntoElement();

    // Removing an empty tile below counts as an edit; reading a map is none.
    const bool wasModified = document_.IsModified();
    bool read = true;
    while (read && xml_.FindElement(kTileElement)) {
        read = ReadTile();
    }
    document_.SetModifiedFlag(wasModified);
    if (!read) {
        return false;
    }
    // Only a towns element after the last tile is found.
    ReadTowns();
    document_.errorKind = 0;
    document_.errorCode = 0;
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
    const Position position{Number("x"), Number("y"), Number("z")};
    if (position.z < 0 || position.z >= kFloorCount) {
        return true;
    }
    const int houseId = Number("houseid");
    const int ground = Number("ground");
    CTile* tile =
        document_.StoreTile(std::make_unique<CTile>(), position.x, position.y, position.z);
    if (houseId != 0) {
        document_.Houses().GetHouse(static_cast<uint32_t>(houseId), true)->AddTile(tile);
    }
    if (ground >= kTypeKeyOffset) {
        // A house tile is written without pz: it keeps the protection zone its house gave it.
        const std::string pz = xml_.GetAttribute("pz");
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
            return Fail(LoadErrorKind::UnserializeObject);
        }
        std::unique_ptr<CItem> item = CreateThing(database_, KeyOf(id), 0);
        if (!item) {
            continue;
        }
        if (!item->XmlIO(xml_, false, database_)) {
            return Fail(LoadErrorKind::UnserializeObject);
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
