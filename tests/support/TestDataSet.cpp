#include "support/TestDataSet.h"

#include <utility>

#include "data/ClientDataWriter.h"
#include "data/ItemsFileWriter.h"
#include "data/SpriteFileWriter.h"

namespace tessark::test {

namespace {

constexpr uint32_t kSignature = 0x54534B31;
constexpr uint32_t kTransparent = 0x00FF00FF;

ItemType PlainType(const char* name)
{
    ItemType type;
    type.name = name;
    return type;
}

ClientDataRecord Record(ItemType type, std::vector<uint16_t> spriteIds)
{
    type.animationPhases = static_cast<uint8_t>(spriteIds.size());
    type.spriteCount = static_cast<uint32_t>(spriteIds.size());
    for (size_t i = 0; i < spriteIds.size(); ++i) {
        type.spriteIds.Set(i, spriteIds[i]);
    }
    ClientDataRecord record;
    record.type = type;
    record.spriteIds = std::move(spriteIds);
    return record;
}

// A square of one colour with a transparent frame, so a decoded sprite shows where it lies.
std::vector<uint32_t> FramedSquare(uint32_t color)
{
    std::vector<uint32_t> pixels(1024, kTransparent);
    for (int y = 4; y < 28; ++y) {
        for (int x = 4; x < 28; ++x) {
            pixels[static_cast<size_t>(y * 32 + x)] = color;
        }
    }
    return pixels;
}

std::vector<ItemType> ClientTypes()
{
    std::vector<ItemType> types;
    ItemType grass = PlainType("grass");
    grass.group = ItemGroup::Ground;
    grass.speed = 150;
    types.push_back(grass);
    ItemType dirt = PlainType("dirt");
    dirt.group = ItemGroup::Ground;
    dirt.speed = 200;
    types.push_back(dirt);
    ItemType wall = PlainType("wall");
    wall.blocking = true;
    wall.alwaysOnTop = true;
    wall.topOrder = 2;
    wall.moveable = false;
    wall.vertical = true;
    types.push_back(wall);
    ItemType bag = PlainType("bag");
    bag.group = ItemGroup::Container;
    bag.pickupable = true;
    types.push_back(bag);
    ItemType coins = PlainType("coins");
    coins.stackable = true;
    coins.pickupable = true;
    types.push_back(coins);
    ItemType torch = PlainType("torch");
    torch.hangeable = true;
    types.push_back(torch);
    types.push_back(PlainType("portal"));
    types.push_back(PlainType("locker"));
    types.push_back(PlainType("fountain"));
    types.push_back(PlainType("outfit 1"));
    types.push_back(PlainType("outfit 2"));
    return types;
}

}  // namespace

std::vector<ItemType> TestDataSet::ServerTypes()
{
    std::vector<ItemType> types;
    const std::vector<ItemType> client = ClientTypes();
    for (int id = 100; id <= kClientItemCount; ++id) {
        ItemType type = client[static_cast<size_t>(id - 100)];
        type.serverId = id;
        type.clientId = id;
        // Names come from items.xml, except the coins' which only the item database gives.
        type.name = id == 104 ? "gold coin" : "";
        types.push_back(type);
    }
    ItemType farPortal = client[6];
    farPortal.serverId = 150;
    farPortal.clientId = 106;
    farPortal.name.clear();
    types.push_back(farPortal);
    return types;
}

bool TestDataSet::WriteClientData(const std::string& path, size_t recordCount)
{
    const std::vector<ItemType> types = ClientTypes();
    std::vector<ClientDataRecord> records;
    for (size_t i = 0; i < types.size() && i < recordCount; ++i) {
        const auto sprite = static_cast<uint16_t>(i + 1);
        if (i == 8) {
            records.push_back(Record(types[i], {sprite, 12}));
        } else {
            records.push_back(Record(types[i], {sprite}));
        }
    }
    return WriteClientDataFile(path, kSignature, kClientItemCount, records);
}

bool TestDataSet::WriteAll(const std::string& directory)
{
    const std::string prefix = directory + "/";
    const std::pair<const char*, const char*> texts[] = {
        {"items.xml", "<?xml version=\"1.0\"?>\r\n"
                      "<items>\r\n"
                      "<item id=\"100\" name=\"grass\"/>\r\n"
                      "<item id=\"101\" name=\"dirt\"/>\r\n"
                      "<item id=\"102\" name=\"stone wall\"/>\r\n"
                      "<item id=\"103\" name=\"bag\" type=\"container\"/>\r\n"
                      "<item id=\"105\" name=\"torch\"/>\r\n"
                      "<item id=\"106\" name=\"magic portal\" type=\"teleport\"/>\r\n"
                      "<item id=\"107\" name=\"locker\" type=\"depot\"/>\r\n"
                      "<item id=\"108\" name=\"fountain\"/>\r\n"
                      "<item id=\"150\" name=\"far portal\" type=\"teleport\"/>\r\n"
                      "</items>\r\n"},
        {"materials.xml", "<?xml version=\"1.0\"?>\r\n"
                          "<materials>\r\n"
                          "  <material name=\"Grounds\" ground=\"1\"/>\r\n"
                          "  <material name=\"Walls\">\r\n"
                          "    <item fromid=\"102\"/>\r\n"
                          "  </material>\r\n"
                          "  <material name=\"Takeable\" takeable=\"1\"/>\r\n"
                          "  <material name=\"Decoration\" hangable=\"1\">\r\n"
                          "    <item fromid=\"106\" toid=\"107\"/>\r\n"
                          "  </material>\r\n"
                          "  <material name=\"Other\" nogroup=\"1\"/>\r\n"
                          "</materials>\r\n"},
        {"creatures.xml", "<?xml version=\"1.0\"?>\r\n"
                          "<creatures>\r\n"
                          "  <creature looktype=\"1\" name=\"Rat\" type=\"Monster\" head=\"10\" "
                          "body=\"20\" legs=\"30\" feet=\"40\"/>\r\n"
                          "  <creature looktype=\"2\" name=\"Guard\" type=\"npc\" head=\"200\"/>\r\n"
                          "</creatures>\r\n"},
    };
    for (const auto& [name, text] : texts) {
        if (!WriteTextFile(prefix + name, text)) {
            return false;
        }
    }
    std::vector<std::vector<uint32_t>> sprites;
    for (int id = 1; id <= kSpritesInFile; ++id) {
        if (id == 12) {
            sprites.emplace_back();
        } else {
            sprites.push_back(FramedSquare(0x00102030u * static_cast<uint32_t>(id)));
        }
    }
    return WriteClientData(prefix + "morva.dat") &&
           WriteItemsFile(prefix + "items.qzb", kMajorVersion, kMinorVersion, ServerTypes()) &&
           WriteSpriteFile(prefix + "morva.spr", kSignature, sprites);
}

}  // namespace tessark::test
