#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/EditorTestWorld.h"
#include "app/FileCommands.h"
#include "app/MainFrame.h"
#include "app/ScriptedPrompts.h"
#include "support/ScratchDirectory.h"
#include "view/TessarkView.h"
#include "view/ViewToolInput.h"

namespace tessark::test {
namespace {

// Undo and Redo name the step, are enabled only when there is one, and answer their keys.
TEST(UndoCommandsTest, UndoAndRedoFollowTheHistory)
{
    using namespace command;
    EditorTestWorld world;
    CMainFrame& frame = world.Frame();
    CommandTable& commands = frame.Commands();
    auto Enabled = [&commands](int id) { return commands.Action(id)->isEnabled(); };
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.View().setFocus();
    ViewToolInput& input = frame.View().ToolInput();
    ToolController& tools = input.Controller();
    auto paint = [&](int32_t x) {
        tools.MouseMove({x, 100, 7}, false, {});
        tools.LeftPress({});
        tools.LeftRelease({});
        emit input.StateChanged();
    };
    paint(100);
    ASSERT_NE(world.Document().GetTile(100, 100, 7), nullptr);

    struct Expected {
        QKeySequence key;
        bool tile;
        QString undo;
        QString redo;
    };
    const Expected steps[] = {
        {{}, true, "&Undo Paint\tCtrl+Z", ""},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), false, "", "&Redo Paint\tCtrl+Y"},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), true, "&Undo Paint\tCtrl+Z", ""},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), false, "", "&Redo Paint\tCtrl+Y"},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), true, "&Undo Paint\tCtrl+Z", ""},
    };
    for (const Expected& step : steps) {
        SCOPED_TRACE(step.key.toString().toStdString());
        if (!step.key.isEmpty()) {
            QTest::keySequence(&frame.View(), step.key);
        }
        EXPECT_EQ(world.Document().GetTile(100, 100, 7) != nullptr, step.tile);
        EXPECT_EQ(world.Document().IsModified(), step.tile);
        EXPECT_EQ(Enabled(Undo), !step.undo.isEmpty());
        EXPECT_EQ(Enabled(Redo), !step.redo.isEmpty());
        EXPECT_EQ(commands.Action(Undo)->text(), step.undo.isEmpty() ? "&Undo\tCtrl+Z" : step.undo);
        EXPECT_EQ(commands.Action(Redo)->text(), step.redo.isEmpty() ? "&Redo\tCtrl+Y" : step.redo);
        EXPECT_EQ(frame.windowTitle().contains('*'), step.tile);
    }

    // Save As starts a new history; a plain save keeps it.
    ScratchDirectory scratch;
    ScriptedPrompts::Log log;
    auto prompts = std::make_unique<ScriptedPrompts>(log);
    prompts->answers.push_back(QString::fromStdString(scratch.File("saved.qzbm")));
    frame.Files().SetPrompts(std::move(prompts));
    for (const bool saveAs : {true, false}) {
        paint(saveAs ? 102 : 104);
        ASSERT_TRUE(saveAs ? frame.Files().OnSaveAs() : frame.Files().OnSave());
        EXPECT_EQ(Enabled(Undo), !saveAs);
        EXPECT_FALSE(frame.windowTitle().contains('*'));
    }
}

}  // namespace
}  // namespace tessark::test
