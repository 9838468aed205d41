#include <QHeaderView>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

#include "app/EditorTestWorld.h"
#include "app/MainFrame.h"
#include "app/MaterialsBar.h"
#include "app/SpriteListCtrl.h"
#include "model/TessarkDoc.h"
#include "view/TessarkView.h"

namespace tessark::test {
namespace {

class DesktopMemoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }

    // A map holding the tiles and, when wanted, one town; saved under the name, then the
    // editor is back on a new map.
    QString SaveMap(const std::string& name, std::initializer_list<Position> tiles, const Position* temple = nullptr)
    {
        CTessarkDoc& document = world.Document();
        document.NewDocument();
        for (const Position& tile : tiles) {
            world.Place(kGrass, tile.x, tile.y, tile.z);
        }
        if (temple != nullptr) {
            Town* town = document.Towns().GetTown(1, true);
            town->templeX = temple->x;
            town->templeY = temple->y;
            town->templeZ = temple->z;
        }
        EXPECT_EQ(document.OnSaveDocument(world.File(name)), SaveResult::Saved);
        document.NewDocument();
        return world.QFile(name);
    }

    EditorTestWorld world;
    CMainFrame& frame = world.Frame();
    CTessarkView& view = frame.View();
};

TEST_F(DesktopMemoryTest, FirstStartFillsTheScreenWithAWideMaterialsBarLaterStartsRestoreTheWindow)
{
    const QRect available = frame.screen()->availableGeometry();
    EXPECT_EQ(frame.frameGeometry().size(), available.size());
    const QHeaderView& columns = *frame.MaterialsBar().Palette().header();
    EXPECT_GE(frame.MaterialsBar().Palette().viewport()->width(), columns.sectionSize(0) + columns.sectionSize(1));

    frame.showNormal();
    frame.setGeometry(40, 50, 640, 480);
    QApplication::processEvents();
    const QRect placed = frame.geometry();
    CMainFrame& second = world.RestartFrame();
    second.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
    EXPECT_FALSE(second.isMaximized());
    EXPECT_EQ(second.geometry(), placed);
}

TEST_F(DesktopMemoryTest, MapsOpenOnTheirContentAndReopenWhereTheUserLeftThem)
{
    const QString plain = SaveMap("plain.qzbm", {{60, 70, 7}, {100, 110, 7}, {5, 5, 6}});
    const Position temple{200, 150, 7};
    const QString town = SaveMap("town.qzbm", {{20, 20, 7}, temple}, &temple);

    // Never seen: the middle of the ground floor's tiles, or the first town's temple.
    ASSERT_TRUE(frame.OpenFile(plain));
    EXPECT_EQ(view.CenterTile(), (Position{80, 90, 7}));
    ASSERT_TRUE(frame.OpenFile(town));
    EXPECT_EQ(view.CenterTile(), temple);

    // Left elsewhere, on another floor and zoom: reopened there, also after a restart.
    view.SetZoom(0.5f);
    view.CenterOn({150, 40, 6});
    const Position left = view.CenterTile();
    EXPECT_EQ(left.z, 6);
    ASSERT_TRUE(frame.OpenFile(plain));
    EXPECT_EQ(view.CenterTile(), (Position{80, 90, 7}));
    ASSERT_TRUE(frame.OpenFile(town));
    EXPECT_EQ(view.Zoom(), 0.5f);
    EXPECT_EQ(view.CenterTile(), left);

    CMainFrame& second = world.RestartFrame();
    second.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
    ASSERT_TRUE(second.OpenFile(town));
    EXPECT_EQ(second.View().Zoom(), 0.5f);
    EXPECT_EQ(second.View().CenterTile(), left);
    // Kept in the settings, not in the map.
    EXPECT_EQ(QSettings().value("Views/Maps/size").toInt(), 2);
}

}  // namespace
}  // namespace tessark::test
