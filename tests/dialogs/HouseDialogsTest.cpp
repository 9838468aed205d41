#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/EditorTestWorld.h"
#include "app/MainFrame.h"
#include "app/MainStatusBar.h"
#include "app/ModalScript.h"
#include "dialogs/HouseProperties.h"
#include "dialogs/NumberSpinEdit.h"
#include "dialogs/TownProperties.h"
#include "model/TessarkDoc.h"
#include "view/TessarkView.h"
#include "view/ViewToolInput.h"

namespace tessark::test {
namespace {

constexpr int32_t kGrass = 0;  // a ground of the test data set

// The window over a map with town 1 "North" and house 2 "Bakery" on (31, 30, 7).
class HouseDialogsTest : public ::testing::Test {
protected:
    HouseDialogsTest()
    {
        frame.showNormal();
        frame.resize(900, 700);
        frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
        world.Place(kGrass, 30, 30, 7);
        world.Place(kGrass, 31, 30, 7);
        document.Towns().GetTown(1, true)->name = "North";
        House* bakery = document.Houses().GetHouse(2, true);
        bakery->name = "Bakery";
        bakery->townId = 1;
        bakery->AddTile(document.GetTile(31, 30, 7));
        document.SetModifiedFlag(false);
    }

    void Click(int x, int y)
    {
        const Rect client = view.Geometry().DrawingToClient(*view.Geometry().TileRect(x, y, 7),
                                                            view.ScrollPosition());
        const QPoint at((client.left + client.right) / 2, (client.top + client.bottom) / 2);
        for (QEvent::Type type : {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const bool press = type == QEvent::MouseButtonPress;
            QMouseEvent event(type, at, view.viewport()->mapToGlobal(at),
                              type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                              press ? Qt::LeftButton : Qt::NoButton, {});
            QApplication::sendEvent(view.viewport(), &event);
        }
    }
    static void Type(QLineEdit& field, const QString& text)
    {
        field.selectAll();
        QTest::keyClicks(&field, text);
    }
    // Clicks the button inside a handler of the script (whose timer is busy running it) and
    // answers the warning box the click opens; returns the box's text.
    static QString ClickAnsweringWarning(QPushButton& button)
    {
        QString text;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                box->accept();
            }
        });
        answer.start(5);
        button.click();
        return text;
    }
    std::optional<uint32_t> SelectedHouse() const
    {
        return view.ToolInput().Controller().Context().SelectedHouseId();
    }

    EditorTestWorld world;
    CMainFrame& frame = world.Frame();
    CTessarkView& view = frame.View();
    CommandTable& commands = frame.Commands();
    CTessarkDoc& document = world.Document();
    ModalScript script;
};

// "Edit houses..." with a house selected edits only that house; without one, Delete releases
// the tiles. Escape after a change still leaves the map modified.
TEST_F(HouseDialogsTest, EditHousesRestrictedToTheSelectedHouseThenDelete)
{
    view.ToolInput().PickHouse(2);
    QString warning;
    script.Then([&](QWidget* modal) {
        auto* dialog = qobject_cast<CHouseProperties*>(modal);
        ASSERT_NE(dialog, nullptr);
        for (QWidget* off : {static_cast<QWidget*>(&dialog->TownFilter()), static_cast<QWidget*>(&dialog->HouseBox()),
                             static_cast<QWidget*>(&dialog->DeleteButton()), static_cast<QWidget*>(&dialog->AddButton()),
                             static_cast<QWidget*>(&dialog->SelectButton())}) {
            EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
        }
        Type(dialog->NameEdit(), "Old Bakery");
        dialog->Edit(SettingsField::X).SetValue(31);
        dialog->Edit(SettingsField::Y).SetValue(65536);  // would be stored as 0
        warning = ClickAnsweringWarning(dialog->SaveButton());
        dialog->Edit(SettingsField::Y).SetValue(30);
        dialog->Edit(SettingsField::Z).SetValue(7);
        dialog->Edit(SettingsField::Cost).SetValue(500);
        dialog->SaveButton().click();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    commands.Trigger(command::EditHouses);
    EXPECT_EQ(warning, "Enter an integer between 1 and 65535.");
    const House* bakery = document.Houses().FindHouse(2);
    EXPECT_EQ(std::tie(bakery->name, bakery->entryY, bakery->rent),
              std::make_tuple(std::string("Old Bakery"), 30, 500));
    EXPECT_EQ(frame.StatusBar().PaneText(0), "Selected house: Old Bakery.");
    EXPECT_TRUE(document.IsModified());

    commands.Trigger(command::DeselectHouse);
    script.Then([&](QWidget* modal) {
        auto* dialog = qobject_cast<CHouseProperties*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->HouseBox().currentRow(), -1);
        dialog->TownFilter().setCurrentIndex(1);
        dialog->HouseBox().setCurrentRow(0);
        dialog->DeleteButton().click();
        EXPECT_EQ(dialog->HouseBox().count(), 0);
        dialog->CloseButton().click();
    });
    commands.Trigger(command::EditHouses);
    EXPECT_EQ(document.Houses().FindHouse(2), nullptr);
    EXPECT_FALSE(document.GetTile(31, 30, 7)->IsProtectionZone());
    EXPECT_EQ(document.FindHouseAt({31, 30, 7}), nullptr);
    EXPECT_EQ(script.Unexpected(), 0);
}

// "Properties" on a ground of a house opens the whole dialog on that house; Close is OK.
TEST_F(HouseDialogsTest, PropertiesOfAHouseGroundOpensTheHouse)
{
    bool full = false;
    script.Then([&](QWidget* modal) {
        auto* dialog = qobject_cast<CHouseProperties*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->HouseBox().currentItem()->text(), "2 - Bakery");
        full = dialog->DeleteButton().isEnabled() && dialog->SelectButton().isEnabled();
        dialog->CloseButton().click();
    });
    commands.Trigger(command::SelectTool);
    Click(31, 30);
    EXPECT_TRUE(commands.Trigger(command::ThingProperties));
    EXPECT_EQ(script.Pending(), 0u);
    EXPECT_TRUE(full);
    EXPECT_TRUE(document.IsModified());
}

}  // namespace
}  // namespace tessark::test
