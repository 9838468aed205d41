#include "samples/genmap/WorldPalette.h"

#include "data/ItemDatabase.h"
#include "samples/gendata/ItemCatalog.h"

namespace tessark::genmap {

namespace {

const gendata::ItemCatalog& Catalog()
{
    static const gendata::ItemCatalog catalog = gendata::ItemCatalog::Build();
    return catalog;
}

}  // namespace

int32_t WorldPalette::Need(const std::string& name)
{
    const gendata::CatalogItem* item = Catalog().Find(name);
    const int32_t key = item ? item->type.serverId - kTypeKeyOffset : -1;
    // The loaded data must hold the catalogue's type under the same key and name.
    const ItemType* type = key >= 0 ? database_->GetType(key) : nullptr;
    if (!type || type->name != name) {
        if (missing_.empty()) {
            missing_ = "The game data has no item type \"" + name + "\".";
        }
        return -1;
    }
    return key;
}

int32_t WorldPalette::NeedCreature(const std::string& name)
{
    bool inCatalog = false;
    for (const auto& creature : Catalog().Creatures()) {
        inCatalog = inCatalog || creature.name == name;
    }
    if (inCatalog) {
        for (const auto& [key, type] : database_->ServerTypes()) {
            if (type.group == ItemGroup::Creature && type.name == name) {
                return key;
            }
        }
    }
    if (missing_.empty()) {
        missing_ = "The game data has no creature type \"" + name + "\".";
    }
    return -1;
}

void WorldPalette::ResolveBorders(BorderSet& set, const std::string& prefix)
{
    const char* sides[] = {"north", "east", "south", "west"};
    const char* corners[] = {"north-west", "north-east", "south-east", "south-west"};
    for (int i = 0; i < 4; ++i) {
        set.edges[i] = Need(prefix + " border " + sides[i]);
        set.corners[i] = Need(prefix + " border " + corners[i] + " corner");
        set.bends[i] = Need(prefix + " border " + corners[i] + " bend");
    }
}

void WorldPalette::ResolveWalls(WallSet& set, const std::string& style, bool withDoors)
{
    const std::string wall = style + " wall ";
    set.horizontal = Need(wall + "horizontal");
    set.vertical = Need(wall + "vertical");
    set.cornerNorthWest = Need(wall + "corner north-west");
    set.cornerNorthEast = Need(wall + "corner north-east");
    set.cornerSouthWest = Need(wall + "corner south-west");
    set.cornerSouthEast = Need(wall + "corner south-east");
    set.pillar = Need(wall + "pillar");
    set.windowHorizontal = Need(wall + "window horizontal");
    set.windowVertical = Need(wall + "window vertical");
    if (withDoors) {
        set.doorHorizontal = Need(style + " door horizontal");
        set.doorVertical = Need(style + " door vertical");
    }
}

std::string WorldPalette::Resolve(const ItemDatabase& database)
{
    database_ = &database;
    missing_.clear();

    ground = {Need("grass"),        Need("flowery grass"), Need("dry grass"),
              Need("forest floor"), Need("sand"),          Need("dirt"),
              Need("gravel"),       Need("stone tiles"),   Need("cobblestone"),
              Need("marble floor"), Need("wooden floor"),  Need("dark wooden floor"),
              Need("stone floor"),  Need("red carpet"),    Need("cave floor"),
              Need("rock"),         Need("water"),         Need("roof tiles"),
              Need("lava")};
    ResolveBorders(grassBorder, "grass");
    ResolveBorders(sandBorder, "sand");
    ResolveBorders(dirtBorder, "dirt");
    ResolveBorders(caveBorder, "cave");
    ResolveWalls(brick, "brick", true);
    ResolveWalls(stone, "stone", true);
    ResolveWalls(wooden, "wooden", true);
    ResolveWalls(marble, "marble", false);
    // Marble halls take the stone doors.
    marble.doorHorizontal = stone.doorHorizontal;
    marble.doorVertical = stone.doorVertical;
    archwayHorizontal = Need("stone archway horizontal");
    archwayVertical = Need("stone archway vertical");

    hangings = {Need("landscape painting"), Need("portrait"),     Need("crest shield"),
                Need("mirror"),             Need("antlers"),      Need("red banner"),
                Need("blue banner")};
    wallTorch = Need("wall torch");
    wallLantern = Need("wall lantern");
    wallCandles = Need("wall candles");
    blackboard = Need("blackboard");
    redBanner = Need("red banner");
    blueBanner = Need("blue banner");

    leafyTrees = {Need("oak tree"), Need("apple tree"), Need("autumn tree"), Need("birch tree")};
    pineTree = Need("pine tree");
    palmTree = Need("palm tree");
    deadTree = Need("dead tree");
    boulder = Need("boulder");
    bushes = {Need("bush"), Need("blueberry bush"), Need("rose bush"), Need("thorn bush")};
    flowers = {Need("red flowers"), Need("yellow flowers"), Need("white flowers"),
               Need("blue flowers"), Need("purple flowers"), Need("sunflower")};
    fern = Need("fern");
    tallGrass = Need("tall grass");
    reeds = Need("reeds");
    waterLily = Need("water lily");
    toadstool = Need("toadstool");
    mushrooms = Need("brown mushrooms");
    smallStones = Need("small stones");
    standingStone = Need("stone");
    mossyStone = Need("mossy stone");
    treeStump = Need("tree stump");
    haystack = Need("haystack");
    fallenLog = Need("fallen log");

    chairs = {Need("chair facing north"), Need("chair facing east"), Need("chair facing south"),
              Need("chair facing west")};
    woodenTable = Need("wooden table");
    longTable = Need("long table");
    roundTable = Need("round table");
    shopCounter = Need("shop counter");
    bench = Need("bench");
    bed = Need("bed");
    redBed = Need("red bed");
    wardrobe = Need("wardrobe");
    bookcase = Need("bookcase");
    drawers = Need("chest of drawers");
    barrel = Need("barrel");
    waterBarrel = Need("water barrel");
    crates = Need("stacked crates");
    vase = Need("vase");
    pottedPlant = Need("potted plant");
    candlestick = Need("candlestick");
    brazier = Need("brazier");
    streetLamp = Need("street lamp");
    knightStatue = Need("knight statue");
    fountain = Need("fountain");
    well = Need("well");
    oven = Need("oven");
    altar = Need("altar");
    coffin = Need("coffin");
    woodenCross = Need("wooden cross");
    skull = Need("skull");
    bones = Need("bones");
    furRug = Need("fur rug");
    ladder = Need("ladder");
    stairsDown = Need("stairs down");
    cobwebNorthWest = Need("cobweb north-west");
    cobwebNorthEast = Need("cobweb north-east");
    hangingVines = Need("hanging vines");

    woodenSign = Need("wooden sign");
    signpost = Need("signpost");
    stoneTablet = Need("stone tablet");
    gravestone = Need("gravestone");
    noticeBoard = Need("notice board");

    chest = Need("chest");
    treasureChest = Need("treasure chest");
    woodenBox = Need("wooden box");
    basket = Need("basket");
    goldCoin = Need("gold coin");
    silverCoin = Need("silver coin");
    arrow = Need("arrow");
    bolt = Need("bolt");
    apple = Need("apple");
    fish = Need("fish");
    meat = Need("meat");
    ruby = Need("ruby");
    vial = Need("vial");
    bucket = Need("bucket");
    mug = Need("mug");
    jug = Need("jug");
    cauldron = Need("cauldron");
    splash = Need("splash");
    pool = Need("pool");
    redBook = Need("red book");
    blueBook = Need("blue book");
    letter = Need("letter");
    parchment = Need("parchment");
    campfire = Need("campfire");
    magicPortal = Need("magic portal");
    redPortal = Need("red portal");
    teleportCircle = Need("teleport circle");
    depotLocker = Need("depot locker");
    weapons = {Need("short sword"), Need("axe"), Need("mace"), Need("bow"),
               Need("wooden shield"), Need("leather helmet"), Need("leather armor")};

    creature = {NeedCreature("Rat"),         NeedCreature("Cave Rat"),
                NeedCreature("Wolf"),        NeedCreature("Giant Spider"),
                NeedCreature("Poison Spider"), NeedCreature("Orc"),
                NeedCreature("Orc Warrior"), NeedCreature("Skeleton"),
                NeedCreature("Ghost"),       NeedCreature("Troll"),
                NeedCreature("Dragon"),      NeedCreature("Fire Dragon"),
                NeedCreature("Bandit"),      NeedCreature("Dark Mage"),
                NeedCreature("Guard"),       NeedCreature("Merchant"),
                NeedCreature("Priest"),      NeedCreature("Hunter")};
    return missing_;
}

}  // namespace tessark::genmap
