#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/EditorTestWorld.h"
#include "app/MainFrame.h"
#include "app/VerifyMapCommand.h"
#include "dialogs/CheckMapDialog.h"
#include "dialogs/HListBox.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"
#include "view/TessarkView.h"
#include "view/ViewToolInput.h"

namespace tessark::test {
namespace {

constexpr int32_t kGrass = 0;
constexpr int32_t kWall = 2;  // always on top, order 2

TEST(CheckMapDialogTest, CheckListsAPlantedClashAndADoubleClickJumpsToIt)
{
    EditorTestWorld world;
    CMainFrame& frame = world.Frame();
    CTessarkDoc& document = world.Document();
    for (int x = 40; x < 60; ++x) {
        for (int y = 40; y < 60; ++y) {
            world.Place(kGrass, x, y, 7);
        }
    }
    world.Place(kWall, 45, 45, 7);  // one wall alone passes
    world.Place(kGrass, 70, 80, 6);
    world.Place(kWall, 70, 80, 6);
    world.Place(kWall, 70, 80, 6);
    frame.resize(900, 700);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    CTessarkView& view = frame.View();

    ASSERT_TRUE(frame.Commands().Trigger(command::VerifyMap));
    CCheckMapDialog* dialog = frame.VerifyMap().Window();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Verify map");
    auto* check = dialog->findChild<QPushButton*>("CheckButton");
    ASSERT_NE(check, nullptr);
    check->click();
    check->click();  // the list starts over
    CHListBox& list = dialog->List();
    const QString problem = "Multiple items of same type found at x: 70, y: 80, z: 6";
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(0)->text(), "Verifying map...");
    EXPECT_EQ(list.item(1)->text(), problem);
    EXPECT_EQ(list.item(2)->text(), "Done.");
    EXPECT_GT(list.HorizontalExtent(), list.fontMetrics().horizontalAdvance(problem));

    const QPoint line = list.visualItemRect(list.item(1)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, line);
    EXPECT_EQ(view.CurrentFloor(), 6);
    EXPECT_EQ(view.CenterTile(), (Position{70, 80, 6}));
    const ToolContext& context = view.ToolInput().Controller().Context();
    EXPECT_EQ(context.CurrentTool(), ToolKind::Select);
    const CTile* tile = document.GetTile(70, 80, 6);
    EXPECT_EQ(context.SelectedThing().thing, tile->GetThing(tile->GetThingCount() - 1));
    EXPECT_EQ(QApplication::focusWidget(), &view);

    dialog->findChild<QPushButton*>("CloseButton")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frame.VerifyMap().Window(), nullptr);
}

}  // namespace
}  // namespace tessark::test
