#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/EditorTestWorld.h"
#include "app/MainFrame.h"
#include "app/ModalScript.h"
#include "dialogs/HouseProperties.h"
#include "model/TessarkDoc.h"
#include "view/TessarkView.h"

namespace tessark::test {
namespace {

constexpr int32_t kGrass = 0;  // a ground of the test data set

// The dialogs' rules are the engine's tests (HouseTownSettingsTest) and an X11 script drives
// them; here the one way in that neither takes: "Properties" on a ground of a house opens the
// whole dialog on that house, and Close is OK.
TEST(HouseDialogsTest, PropertiesOfAHouseGroundOpensTheHouse)
{
    EditorTestWorld world;
    CMainFrame& frame = world.Frame();
    CTessarkView& view = frame.View();
    CTessarkDoc& document = world.Document();
    frame.resize(900, 700);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    world.Place(kGrass, 31, 30, 7);
    House* bakery = document.Houses().GetHouse(2, true);
    bakery->name = "Bakery";
    bakery->AddTile(document.GetTile(31, 30, 7));
    document.SetModifiedFlag(false);

    ModalScript script;
    bool full = false;
    script.Then([&](QWidget* modal) {
        auto* dialog = qobject_cast<CHouseProperties*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->HouseBox().currentItem()->text(), "2 - Bakery");
        full = dialog->DeleteButton().isEnabled() && dialog->SelectButton().isEnabled();
        dialog->CloseButton().click();
    });
    frame.Commands().Trigger(command::SelectTool);
    const Rect client = view.Geometry().DrawingToClient(*view.Geometry().TileRect(31, 30, 7), view.ScrollPosition());
    const QPoint at((client.left + client.right) / 2, (client.top + client.bottom) / 2);
    for (QEvent::Type type : {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
        QApplication::sendEvent(view.viewport(), &event);
    }
    EXPECT_TRUE(frame.Commands().Trigger(command::ThingProperties));
    EXPECT_EQ(script.Pending(), 0u);
    EXPECT_TRUE(full);
    EXPECT_TRUE(document.IsModified());
}

}  // namespace
}  // namespace tessark::test
