#include <QApplication>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/EditorTestWorld.h"
#include "app/MainFrame.h"
#include "app/ModalScript.h"
#include "app/ThingCommands.h"
#include "dialogs/DepotProperties.h"
#include "dialogs/InfoDlg.h"
#include "dialogs/MonsterProperties.h"
#include "dialogs/NumberSpinEdit.h"
#include "dialogs/PropertiesDlg.h"
#include "dialogs/SpawnProperties.h"
#include "model/DepotItem.h"
#include "model/Spawn.h"
#include "model/TeleportItem.h"
#include "model/TessarkDoc.h"
#include "view/TessarkView.h"
#include "view/ViewToolInput.h"

namespace tessark::test {
namespace {

// Keys of the test data set; the portal, locker and fountain get the groups of the dialogs here.
constexpr int32_t kGrass = 0;
constexpr int32_t kCoins = 4;
constexpr int32_t kPortal = 6;
constexpr int32_t kLocker = 7;
constexpr int32_t kFountain = 8;
constexpr int32_t kRat = 11;

class ItemDialogsTest : public ::testing::Test {
protected:
    ItemDialogsTest()
    {
        ItemDatabase& items = world.Data().items;
        items.FindServerType(kPortal)->group = ItemGroup::Teleport;
        items.FindServerType(kLocker)->group = ItemGroup::Depot;
        items.FindServerType(kFountain)->readable = true;
        frame.resize(900, 700);
        frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
        commands.Trigger(command::SelectTool);
    }

    // An item on a grass tile in the middle of the window.
    CItem* Put(int32_t key, int x)
    {
        world.Place(kGrass, x, 30, 7);
        world.Place(key, x, 30, 7);
        const CTile* tile = document.GetTile(x, 30, 7);
        return static_cast<CItem*>(tile->GetThing(tile->GetThingCount() - 1));
    }
    QPoint At(int x) const
    {
        const Rect client = view.Geometry().DrawingToClient(*view.Geometry().TileRect(x, 30, 7),
                                                            view.ScrollPosition());
        return {(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    }
    void Send(QEvent::Type type, QPoint at, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, view.viewport()->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, {});
        QApplication::sendEvent(view.viewport(), &event);
    }
    void DoubleClick(int x)
    {
        const QPoint at = At(x);
        Send(QEvent::MouseMove, at, {});
        Send(QEvent::MouseButtonPress, at, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, at, {});
        Send(QEvent::MouseButtonDblClick, at, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, at, {});
    }
    // Right-clicks the tile and chooses "Properties".
    void ContextProperties(int x)
    {
        const QPoint at = At(x);
        Send(QEvent::MouseMove, at, {});
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                if (action->text() == "Properties") {
                    menu->setActiveAction(action);
                }
            }
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
        QApplication::sendEvent(view.viewport(), &event);
    }

    EditorTestWorld world;
    CMainFrame& frame = world.Frame();
    CTessarkView& view = frame.View();
    CTessarkDoc& document = world.Document();
    CommandTable& commands = frame.Commands();
};

TEST_F(ItemDialogsTest, TypedLineBreaksAreStoredAsLineFeeds)
{
    CItem* fountain = Put(kFountain, 20);
    fountain->SetText("first\nsecond");
    ModalScript script;
    script.Then([](QWidget* modal) {
        auto* dialog = qobject_cast<CPropertiesDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        QPlainTextEdit& text = dialog->TextEdit();
        EXPECT_TRUE(text.isVisible());
        EXPECT_EQ(text.toPlainText(), "first\nsecond");
        text.setFocus();
        text.moveCursor(QTextCursor::End);
        QTest::keyClick(&text, Qt::Key_Return);
        QTest::keyClicks(&text, "third");
        dialog->accept();
    });
    DoubleClick(20);
    EXPECT_EQ(fountain->GetText(), "first\nsecond\nthird");
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST_F(ItemDialogsTest, OverviewIsMadeOnceAndFollowsTheChosenItem)
{
    Put(kCoins, 20);
    ThingCommands& things = frame.Things();
    EXPECT_EQ(things.InfoWindow(), nullptr);
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_O);
    CInfoDlg* info = things.InfoWindow();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->windowTitle(), "Information");
    EXPECT_TRUE(info->isVisible());

    Send(QEvent::MouseMove, At(20), {});
    Send(QEvent::MouseButtonPress, At(20), Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, At(20), {});
    EXPECT_EQ(info->IdValue().text(), "104");
    EXPECT_EQ(info->ClientIdValue().text(), "104");
    ASSERT_GT(info->Lines().count(), 0);
    EXPECT_EQ(info->Lines().item(0)->text(), "Group: None");
    EXPECT_FALSE(info->Picture().pixmap().isNull());

    // The brush type follows with the paint brush.
    frame.OnBrushTypeChosen(kGrass);
    EXPECT_EQ(info->IdValue().text(), "100");
    EXPECT_EQ(info->Lines().item(0)->text(), "Group: ground");

    commands.Trigger(command::Overview);
    EXPECT_EQ(things.InfoWindow(), info);
    info->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(things.InfoWindow(), nullptr);
    commands.Trigger(command::Overview);
    ASSERT_NE(things.InfoWindow(), nullptr);
    EXPECT_EQ(things.InfoWindow()->IdValue().text(), "100");
}

}  // namespace
}  // namespace tessark::test
