#include "samples/gendata/DataKitWriter.h"

#include <filesystem>
#include <map>
#include <system_error>
#include <vector>

#include "data/ClientDataWriter.h"
#include "data/ItemsFileWriter.h"
#include "data/SpriteFileWriter.h"
#include "samples/gendata/DataKitXml.h"
#include "samples/gendata/ItemCatalog.h"
#include "samples/gendata/SpriteAtlas.h"
#include "xml/XmlTextFile.h"

namespace tessark::gendata {

namespace {

// Signatures of the client files; the editor does not read them.
constexpr uint32_t kClientDataSignature = 0x4A1C3E07;
constexpr uint32_t kSpriteFileSignature = 0x4A1C3DF2;
// Outfits draw from their own random streams, apart from the item ids.
constexpr uint32_t kOutfitStream = 0x10000;

void CopySprites(ItemType& type, const std::vector<uint16_t>& ids)
{
    type.spriteCount = static_cast<uint32_t>(ids.size());
    type.spriteIds.Assign(ids);
}

ClientDataRecord RecordOf(const ItemType& type, const std::vector<uint16_t>& ids,
                          const std::vector<uint8_t>& extraOptions)
{
    ClientDataRecord record;
    record.type = type;
    record.spriteIds = ids;
    record.extraOptions = extraOptions;
    return record;
}

// An id that no item uses keeps its place in the client data file with an empty picture
// (sprite 0, which no sprite file holds), as unused slots of a client's object list do.
ClientDataRecord UnusedRecord()
{
    ClientDataRecord record;
    record.spriteIds = {0};
    return record;
}

}  // namespace

DataKitResult WriteDataKit(const std::string& directory, uint64_t seed)
{
    const ItemCatalog catalog = ItemCatalog::Build();
    if (std::string problem = catalog.Check(); !problem.empty()) {
        return {false, "the catalogue is inconsistent: " + problem};
    }
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error || !std::filesystem::is_directory(directory)) {
        return {false, "cannot create the directory " + directory};
    }
    const std::filesystem::path folder(directory);

    SpriteAtlas atlas(seed);
    std::map<int, ClientDataRecord> records;
    std::vector<ItemType> serverTypes;
    for (const auto& item : catalog.Items()) {
        const std::vector<uint16_t> ids =
            atlas.PaintType(item.type, item.paint, static_cast<uint32_t>(item.type.serverId));
        // Both files describe the type as items.qzb holds it; items.xml adds the kinds.
        ItemType stored = item.type;
        stored.group = item.nodeGroup;
        CopySprites(stored, ids);
        records[stored.clientId] = RecordOf(stored, ids, item.extraOptions);
        serverTypes.push_back(stored);
    }
    const int itemCount = catalog.HighestItemId();
    std::vector<ClientDataRecord> clientRecords;
    for (int id = kTypeKeyOffset; id <= itemCount; ++id) {
        auto found = records.find(id);
        clientRecords.push_back(found != records.end() ? found->second : UnusedRecord());
    }
    // Creature outfits follow the items: outfit number n is record itemCount + n.
    for (size_t i = 0; i < catalog.Outfits().size(); ++i) {
        const CatalogOutfit& outfit = catalog.Outfits()[i];
        ItemType layout;
        layout.width = outfit.width;
        layout.height = outfit.height;
        layout.cropSize = (outfit.width > 1 || outfit.height > 1) ? 64 : 0;
        layout.patternX = 4;
        layout.animationPhases = outfit.phases;
        const std::vector<uint16_t> ids = atlas.PaintType(layout, outfit.paint, kOutfitStream + static_cast<uint32_t>(i));
        CopySprites(layout, ids);
        clientRecords.push_back(RecordOf(layout, ids, {}));
    }
    if (atlas.Sprites().size() > 0xFFFF) {
        return {false, "too many sprites for 16-bit sprite ids"};
    }

    auto path = [&folder](const char* name) { return (folder / name).string(); };
    if (!WriteClientDataFile(path("morva.dat"), kClientDataSignature, static_cast<uint16_t>(itemCount),
                             clientRecords)) {
        return {false, "cannot write " + path("morva.dat")};
    }
    if (!WriteSpriteFile(path("morva.spr"), kSpriteFileSignature, atlas.Sprites())) {
        return {false, "cannot write " + path("morva.spr")};
    }
    if (!WriteItemsFile(path("items.qzb"), kItemsMajorVersion, kItemsMinorVersion, serverTypes)) {
        return {false, "cannot write " + path("items.qzb")};
    }
    const std::pair<const char*, std::string> xmlFiles[] = {
        {"items.xml", ItemNamesXml(catalog)},
        {"materials.xml", MaterialsXml(catalog)},
        {"creatures.xml", CreaturesXml(catalog)},
    };
    for (const auto& [name, text] : xmlFiles) {
        if (!WriteXmlTextFile(path(name), text)) {
            return {false, "cannot write " + path(name)};
        }
    }
    return {true, {}};
}

}  // namespace tessark::gendata
