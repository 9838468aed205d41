#include <QApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/EditorTestWorld.h"
#include "app/MainFrame.h"
#include "app/ModalScript.h"
#include "dialogs/PropertiesDlg.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"
#include "view/TessarkView.h"

namespace tessark::test {
namespace {

// Keys of the test data set.
constexpr int32_t kGrass = 0;
constexpr int32_t kFountain = 8;

// The fields' ranges are the engine's tests (ItemPropertiesEditorTest) and an X11 script drives
// the dialogs; here what only the text box does: a typed line break is stored as a line feed.
TEST(ItemDialogsTest, TypedLineBreaksAreStoredAsLineFeeds)
{
    EditorTestWorld world;
    CMainFrame& frame = world.Frame();
    CTessarkView& view = frame.View();
    world.Data().items.FindServerType(kFountain)->readable = true;
    frame.resize(900, 700);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.Commands().Trigger(command::SelectTool);
    world.Place(kGrass, 20, 30, 7);
    world.Place(kFountain, 20, 30, 7);
    const CTile* tile = world.Document().GetTile(20, 30, 7);
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
    const Rect client = view.Geometry().DrawingToClient(*view.Geometry().TileRect(20, 30, 7), view.ScrollPosition());
    const QPoint at((client.left + client.right) / 2, (client.top + client.bottom) / 2);
    const std::pair<QEvent::Type, Qt::MouseButtons> events[] = {
        {QEvent::MouseMove, {}}, {QEvent::MouseButtonPress, Qt::LeftButton}, {QEvent::MouseButtonRelease, {}},
        {QEvent::MouseButtonDblClick, Qt::LeftButton}, {QEvent::MouseButtonRelease, {}}};
    for (const auto& [type, held] : events) {
        QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          held, {});
        QApplication::sendEvent(view.viewport(), &event);
    }
    EXPECT_EQ(fountain->GetText(), "first\nsecond\nthird");
    EXPECT_EQ(script.Unexpected(), 0);
}

}  // namespace
}  // namespace tessark::test
