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

TEST_F(ItemDialogsTest, DoubleClickOpensTheItemDialogWhichKeepsRefusedValuesOpen)
{
    CItem* coins = Put(kCoins, 20);
    ModalScript script;
    bool checked = false;
    script.Then([&](QWidget* modal) {
        auto* dialog = qobject_cast<CPropertiesDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Properties");
        EXPECT_TRUE(dialog->Edit(PropertiesField::Count).isEnabled());
        EXPECT_FALSE(dialog->TeleportGroup().isVisible());
        EXPECT_FALSE(dialog->TextEdit().isVisible());
        dialog->Edit(PropertiesField::Count).SetValue(50);
        dialog->Edit(PropertiesField::UniqueId).SetValue(70000);
        script.PressOk();
        // Outside this handler, so that the script can answer the warning.
        QTimer::singleShot(0, dialog, [&, dialog] {
            dialog->accept();
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(coins->GetCount(), 1);
            dialog->Edit(PropertiesField::UniqueId).SetValue(12);
            QTest::keyClick(dialog, Qt::Key_Return);
            checked = true;
        });
    });
    DoubleClick(20);
    ASSERT_TRUE(checked);
    ASSERT_EQ(script.Boxes().size(), 1u);
    EXPECT_EQ(script.Boxes()[0].text, "Enter an integer between 0 and 65535.");
    EXPECT_EQ(coins->GetCount(), 50);
    EXPECT_EQ(coins->GetUniqueId(), 12u);
    EXPECT_TRUE(document.UniqueIds().IsUsed(12));
    EXPECT_TRUE(frame.windowTitle().contains("*"));
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST_F(ItemDialogsTest, ContextMenuOpensTeleportAndDepotDialogsAndEscapeChangesNothing)
{
    auto* portal = static_cast<CTeleportItem*>(Put(kPortal, 20));
    portal->SetDestination(100, 100, 7);
    auto* locker = static_cast<CDepotItem*>(Put(kLocker, 22));
    document.SetModifiedFlag(false);
    ModalScript script;
    script.Then([](QWidget* modal) {
        auto* dialog = qobject_cast<CPropertiesDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->TeleportGroup().isVisible());
        EXPECT_FALSE(dialog->Edit(PropertiesField::Count).isEnabled());
        EXPECT_EQ(dialog->Edit(PropertiesField::DestX).Value(), 100);
        dialog->Edit(PropertiesField::DestX).SetValue(5);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    ContextProperties(20);
    EXPECT_EQ(portal->GetDestX(), 100u);
    EXPECT_FALSE(document.IsModified());

    script.Then([](QWidget* modal) {
        auto* dialog = qobject_cast<CDepotProperties*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Depot properties");
        EXPECT_EQ(dialog->DepotIdEdit().Value(), 1);
        dialog->DepotIdEdit().SetValue(7);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    ContextProperties(22);
    EXPECT_EQ(locker->GetDepotId(), 7u);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(script.Unexpected(), 0);
}

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

TEST_F(ItemDialogsTest, SpawnAndMonsterDialogsSetRadiusAndSpawnTime)
{
    world.Place(kGrass, 20, 30, 7);
    world.Place(kGrass, 22, 30, 7);
    CSpawn* spawn = document.Spawns().CreateSpawn({20, 30, 7}, 3);
    world.Place(kRat, 22, 30, 7);
    ASSERT_EQ(spawn->GetCreatureCount(), 1u);
    CCreature* rat = spawn->GetCreature(0);
    rat->SetSpawnTime(0);  // as a spawn file may hold it
    ModalScript script;
    // The stored 0 shows; 19 is refused and the dialog stays; 90 is taken.
    script.Then([&](QWidget* modal) {
        auto* dialog = qobject_cast<CMonsterProperties*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Monster properties");
        EXPECT_EQ(dialog->Field().Value(), 0);
        dialog->Field().SetValue(19);
        script.PressOk();
        QTimer::singleShot(0, dialog, [dialog] {
            dialog->accept();
            EXPECT_TRUE(dialog->isVisible());
            dialog->Field().SetValue(90);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
    });
    DoubleClick(22);
    EXPECT_EQ(rat->GetSpawnTime(), 90u);
    ASSERT_EQ(script.Boxes().size(), 1u);
    EXPECT_EQ(script.Boxes()[0].text, "Enter an integer between 20 and 86400.");

    // Radius 1 leaves the rat outside: it goes.
    script.Then([](QWidget* modal) {
        auto* dialog = qobject_cast<CSpawnProperties*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Spawn properties");
        EXPECT_EQ(dialog->Field().Value(), 3);
        dialog->Field().SetValue(1);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    ContextProperties(20);
    EXPECT_EQ(spawn->GetRadius(), 1);
    EXPECT_EQ(spawn->GetCreatureCount(), 0u);
    EXPECT_EQ(script.Unexpected(), 0);
}

}  // namespace
}  // namespace tessark::test
