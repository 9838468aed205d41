#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QSettings>
#include <QUrl>
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/MainFrame.h"
#include "app/EditorTestWorld.h"
#include "app/ModalScript.h"
#include "view/TessarkView.h"

namespace tessark::test {
namespace {

class MainFrameTest : public ::testing::Test {
protected:
    EditorTestWorld world;
    CMainFrame& frame = world.Frame();
    CommandTable& commands = frame.Commands();
};

TEST_F(MainFrameTest, AcceleratorsFollowTheirCommands)
{
    // A disabled command's key does nothing; its accelerator follows the command.
    QAction* moveKey = commands.AcceleratorFor(QKeySequence(Qt::Key_M));
    ASSERT_NE(moveKey, nullptr);
    EXPECT_FALSE(moveKey->isEnabled());
    commands.Action(command::MoveTool)->setEnabled(true);
    EXPECT_TRUE(moveKey->isEnabled());
}

// Display switches are kept across starts; the force settings are read but never written.
TEST_F(MainFrameTest, DisplaySwitchesPersistAcrossStartsAndForcedSettingsAreOnlyRead)
{
    EXPECT_TRUE(commands.Action(command::ShowShade)->isChecked());
    commands.Action(command::ShowShade)->trigger();
    commands.Action(command::MultiFloorSelect)->trigger();
    EXPECT_FALSE(frame.View().Switches().showShades);
    EXPECT_FALSE(commands.Action(command::ShowShade)->isChecked());
    QSettings settings;
    settings.setValue("Settings/ForceSlowBlt", 1);
    settings.setValue("Settings/ForceEnableZooming", 7);
    world.Renderer().zoomAllowed = false;

    CMainFrame& second = world.RestartFrame();
    EXPECT_FALSE(second.View().Switches().showShades);
    EXPECT_TRUE(second.View().Switches().multiFloorSelect);
    EXPECT_TRUE(second.Commands().Action(command::MultiFloorSelect)->isChecked());
    EXPECT_EQ(settings.value("Settings/ShowShades").toInt(), 0);
    EXPECT_EQ(settings.value("Settings/ShowAnimations").toInt(), 1);
    EXPECT_FALSE(world.Renderer().fastTransparentCopy);
    EXPECT_TRUE(world.Renderer().zoomAllowed);
    settings.remove("Settings/ForceSlowBlt");
    world.CloseFrame();
    EXPECT_FALSE(settings.contains("Settings/ForceSlowBlt"));
}

TEST_F(MainFrameTest, AboutBoxShowsTheVersion)
{
    ModalScript script;
    QString title;
    QString text;
    script.Then([&](QWidget* modal) {
        title = modal->windowTitle();
        if (auto* label = modal->findChild<QLabel*>("VersionText")) {
            text = label->text();
        }
        qobject_cast<QDialog*>(modal)->accept();
    });
    commands.Action(command::About)->trigger();
    EXPECT_EQ(title, "About Tessark");
    EXPECT_EQ(text, "Tessark Version " TESSARK_VERSION);
}

TEST_F(MainFrameTest, DroppedFileIsOpened)
{
    const std::string path = world.File("dropped.qzbm");
    // Saved first so that there is a map to drop.
    ASSERT_EQ(world.Document().DoSave(path, false, nullptr), SaveResult::Saved);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    // On the window, and on the map view, which takes only tiles and passes files on.
    for (QWidget* target : {static_cast<QWidget*>(&frame), frame.View().viewport()}) {
        world.Document().SetPathName({});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(12, 12), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        EXPECT_TRUE(drop.isAccepted());
        EXPECT_EQ(world.Document().GetPathName(), path);
    }
    EXPECT_EQ(frame.windowTitle(), "dropped.qzbm - Tessark");
}

}  // namespace
}  // namespace tessark::test
