#include <gtest/gtest.h>

#include <tuple>

#include "model/DepotItem.h"
#include "model/ModelTestWorld.h"
#include "model/TeleportItem.h"
#include "xml/Markup.h"

namespace tessark {
namespace {

using namespace model_test;

class ItemXmlTest : public ::testing::Test {
protected:
    void SetUp() override { FillTestDatabase(database); }

    // Reads every "item" child of the first "tile" the way the map reader does.
    std::vector<std::unique_ptr<CItem>> ReadItems(const std::string& text)
    {
        CMarkup xml;
        EXPECT_TRUE(xml.SetDocument(text));
        EXPECT_TRUE(xml.FindElement("map"));
        xml.IntoElement();
        EXPECT_TRUE(xml.FindElement("tile"));
        std::vector<std::unique_ptr<CItem>> items;
        while (xml.FindChildElement("item")) {
            auto item = CreateThing(database, ReadXmlNumber(xml.GetChildAttribute("id")) - 100, 0);
            EXPECT_NE(item, nullptr);
            EXPECT_TRUE(item->XmlIO(xml, false, database));
            items.push_back(std::move(item));
        }
        return items;
    }

    ItemDatabase database;
};

TEST_F(ItemXmlTest, ItemsWriteTheirAttributesAndReadThemBack)
{
    auto ground = Make(database, kGround);
    auto door = Make(database, kDoor);
    door->SetCount(5);
    auto teleport = Make(database, kTeleport);
    static_cast<CTeleportItem&>(*teleport).SetDestination(1, 2, 7);
    teleport->SetActionId(1001);
    auto depot = Make(database, kDepot);
    static_cast<CDepotItem&>(*depot).SetDepotId(3);
    auto stack = Make(database, kStackable, 25);
    stack->SetUniqueId(4000);
    stack->SetText("a <note>");
    stack->SetSpecialDescription("sd");
    auto plain = Make(database, kPlain);

    CMarkup xml("<?xml version=\"1.0\"?>\r\n");
    xml.AddElement("map");
    xml.IntoElement();
    xml.AddElement("tile");
    xml.SetAttribute("x", 5);
    xml.IntoElement();
    for (CItem* item : {ground.get(), door.get(), teleport.get(), depot.get(), stack.get(), plain.get()}) {
        ASSERT_TRUE(item->XmlIO(xml, true, database));
    }
    xml.OutOfElement();
    const std::string text = xml.GetDocument();
    EXPECT_EQ(text,
              "<?xml version=\"1.0\"?>\r\n<map>\r\n<tile x=\"5\" ground=\"101\">\r\n"
              "<item id=\"115\" doorId=\"5\"/>\r\n"
              "<item id=\"140\" actionId=\"1001\" destx=\"1\" desty=\"2\" destz=\"7\"/>\r\n"
              "<item id=\"141\" depot=\"3\"/>\r\n"
              "<item id=\"111\" count=\"25\" uniqueId=\"4000\" special_description=\"sd\" "
              "text=\"a &lt;note&gt;\"/>\r\n"
              "<item id=\"110\"/>\r\n"
              "</tile>\r\n</map>\r\n");

    auto items = ReadItems(text);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0]->GetCount(), 5);
    const auto& destination = static_cast<const CTeleportItem&>(*items[1]);
    EXPECT_EQ(std::tuple(destination.GetDestY(), destination.GetActionId()), std::tuple(2u, 1001u));
    EXPECT_EQ(static_cast<const CDepotItem&>(*items[2]).GetDepotId(), 3u);
    EXPECT_EQ(std::tuple(items[3]->GetCount(), items[3]->GetUniqueId(), items[3]->GetText(), items[3]->GetSpecialDescription()),
              std::tuple(25, 4000u, "a <note>", "sd"));
    EXPECT_EQ(items[4]->GetTypeKey(), kPlain);

    // Stack and rune counts read within 1..100.
    items = ReadItems("<map><tile><item id=\"111\" count=\"0\"/><item id=\"114\" count=\"101\"/></tile></map>");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(std::tuple(items[0]->GetCount(), items[1]->GetCount()), std::tuple(1, 100));
}

}  // namespace
}  // namespace tessark
