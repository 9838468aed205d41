#include <QComboBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "app/EditorTestWorld.h"
#include "app/MainFrame.h"
#include "app/MaterialsBar.h"
#include "app/PaletteModel.h"
#include "app/SpriteListCtrl.h"
#include "model/TessarkDoc.h"

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

TEST_F(PaletteTest, TheSelectedRowIsAlwaysTheBrushsType)
{
    // From the first start on, and again after New resets the brush.
    const auto selectedKey = [&] { return palette.KeyAt(palette.SelectionMark()); };
    EXPECT_EQ(selectedKey(), world.Document().currentItemKey);
    ChooseMaterial(3);
    ClickRow(0);
    ASSERT_EQ(world.Document().currentItemKey, 4);
    frame.NewFile();
    EXPECT_EQ(world.Document().currentItemKey, 2);
    EXPECT_EQ(palette.CurrentMaterial(), 0);
    EXPECT_EQ(selectedKey(), 2);
}

TEST_F(PaletteTest, SwitchingBackRestoresTheScrollPosition)
{
    palette.scrollTo(palette.model()->index(10, 0), QAbstractItemView::PositionAtTop);
    const int top = palette.TopRow();
    EXPECT_GE(top, 9);
    ClickRow(top);
    EXPECT_EQ(palette.SelectionMark(), top);

    ChooseMaterial(1);
    EXPECT_EQ(palette.CurrentMaterial(), 1);
    EXPECT_EQ(palette.model()->rowCount(), 1);
    EXPECT_EQ(palette.SelectionMark(), -1);
    EXPECT_EQ(palette.TopRow(), 0);

    ChooseMaterial(0);
    EXPECT_EQ(palette.TopRow(), top);
    // The row chosen by click is the brush's type: it is selected again.
    EXPECT_EQ(palette.SelectionMark(), top);
    EXPECT_EQ(palette.FocusedRow(), top);
    EXPECT_EQ(palette.SavedStates().at(1), (CSpriteListCtrl::ViewState{-1, 0, -1}));
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

TEST_F(PaletteTest, RowsAreDrawnWithTheirSprite)
{
    palette.scrollToTop();
    QApplication::processEvents();
    const QImage shot = palette.viewport()->grab().toImage();
    // Row 0 is grass: the test sprites are framed squares of one colour 4 pixels in from the edge,
    // drawn in the bottom-right quarter of the 64-pixel square.
    const QRect row = palette.visualRect(palette.model()->index(0, 0));
    const QColor inside = shot.pixelColor(row.left() + 32 + 16, row.top() + 32 + 16);
    const QColor outside = shot.pixelColor(row.left() + 8, row.top() + 8);
    EXPECT_NE(inside, outside);
}

}  // namespace
}  // namespace tessark::test
