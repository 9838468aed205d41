#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/CommandIds.h"
#include "app/ModalScript.h"
#include "dialogs/HouseProperties.h"
#include "dialogs/PropertiesDlg.h"
#include "model/Tile.h"
#include "view/ShownView.h"

namespace tessark::test {
namespace {

// The dialogs' rules are the engine's tests (HouseTownSettingsTest, ItemPropertiesEditorTest) and
// X11 scripts drive them; here the ways in that neither takes.
using PropertiesDialogsTest = ShownViewTest;

// "Properties" on a ground of a house opens the whole dialog on that house, and Close is OK.
TEST_F(PropertiesDialogsTest, PropertiesOfAHouseGroundOpensTheHouse)
{
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
    commands.Trigger(command::SelectTool);
    Click(At(31, 30));
    EXPECT_TRUE(commands.Trigger(command::ThingProperties));
    EXPECT_EQ(script.Pending(), 0u);
    EXPECT_TRUE(full);
    EXPECT_TRUE(document.IsModified());
}

// A line break typed into the text box is stored as a line feed.
TEST_F(PropertiesDialogsTest, TypedLineBreaksAreStoredAsLineFeeds)
{
    world.Data().items.FindServerType(kFountain)->readable = true;
    commands.Trigger(command::SelectTool);
    world.Place(kGrass, 20, 30, 7);
    world.Place(kFountain, 20, 30, 7);
    const CTile* tile = document.GetTile(20, 30, 7);
    CItem* fountain = tile->GetThing(tile->GetThingCount() - 1);
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
    Click(At(20, 30));
    Send(QEvent::MouseButtonDblClick, At(20, 30), Qt::LeftButton, Qt::LeftButton);
    Release(At(20, 30));
    EXPECT_EQ(fountain->GetText(), "first\nsecond\nthird");
    EXPECT_EQ(script.Unexpected(), 0);
}

}  // namespace
}  // namespace tessark::test
