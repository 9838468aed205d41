#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

#include "app/EditorTestWorld.h"
#include "app/MainFrame.h"
#include "app/MaterialsBar.h"
#include "app/SpriteListCtrl.h"

namespace tessark::test {
namespace {

// 18 rows in "Big" (keys 0..8 twice), one in "Walls", none in "Empty", and key 4 in "Coins" too.
constexpr const char* kMaterials =
    "<materials>\n"
    "  <material name=\"Big\"><item fromid=\"100\" toid=\"108\"/><item fromid=\"100\" toid=\"108\"/></material>\n"
    "  <material name=\"Walls\"><item fromid=\"102\"/></material>\n"
    "  <material name=\"Empty\"/>\n"
    "  <material name=\"Coins\"><item fromid=\"104\"/></material>\n"
    "</materials>\n";

class PaletteTest : public ::testing::Test {
protected:
    PaletteTest()
    {
        frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
        // Room for about two rows, so that the big material scrolls.
        frame.resizeDocks({&bar}, {420}, Qt::Horizontal);
        bar.setFloating(true);
        bar.resize(420, 200);
        QApplication::processEvents();
    }

    void ChooseMaterial(int index)
    {
        bar.MaterialBox().setCurrentIndex(index);
        emit bar.MaterialBox().activated(index);
    }

    void ClickRow(int row)
    {
        const QRect rect = palette.visualRect(palette.model()->index(row, 1));
        QTest::mouseClick(palette.viewport(), Qt::LeftButton, {}, rect.center());
    }

    EditorTestWorld world{kMaterials};
    CMainFrame& frame = world.Frame();
    CMyBar& bar = frame.MaterialsBar();
    CSpriteListCtrl& palette = bar.Palette();
};

TEST_F(PaletteTest, ChoosingARowMakesItsTypeTheBrush)
{
    ClickRow(2);
    EXPECT_EQ(world.Document().currentItemKey, 2);
    ChooseMaterial(3);
    ClickRow(0);
    EXPECT_EQ(world.Document().currentItemKey, 4);

    // An empty material has no row to choose.
    ChooseMaterial(2);
    EXPECT_EQ(palette.model()->rowCount(), 0);
    QTest::mouseClick(palette.viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(world.Document().currentItemKey, 4);
}

TEST_F(PaletteTest, ShowTypeInPaletteUsesTheFirstMaterialHoldingTheKey)
{
    ChooseMaterial(3);
    frame.ShowTypeInPalette(4);
    EXPECT_EQ(bar.MaterialBox().currentIndex(), 0);
    EXPECT_EQ(palette.CurrentMaterial(), 0);
    EXPECT_EQ(palette.SelectionMark(), 4);
    EXPECT_EQ(palette.SelectedKey(), 4);

    // Its selection comes back when the material is shown again.
    ChooseMaterial(1);
    ChooseMaterial(0);
    EXPECT_EQ(palette.SelectionMark(), 4);

    // A key no material holds leaves no row selected.
    frame.ShowTypeInPalette(12);
    EXPECT_EQ(palette.CurrentMaterial(), 0);
    EXPECT_EQ(palette.SelectionMark(), -1);
    EXPECT_EQ(palette.SelectedKey(), 12);
    // The creature is in "Monsters".
    frame.ShowTypeInPalette(11);
    EXPECT_EQ(bar.MaterialBox().currentText(), "Monsters");
    EXPECT_EQ(palette.SelectionMark(), 0);
}

}  // namespace
}  // namespace tessark::test
