#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/EditorTestWorld.h"
#include "app/FileCommands.h"
#include "app/MainFrame.h"
#include "app/MainStatusBar.h"
#include "app/ModalScript.h"
#include "app/RecentFileList.h"
#include "app/ScriptedPrompts.h"
#include "dialogs/FileNameEdit.h"
#include "dialogs/GeneralPage.h"
#include "dialogs/NumberSpinEdit.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"
#include "view/TessarkView.h"

namespace tessark::test {
namespace {

class FileCommandsTest : public ::testing::Test {
protected:
    FileCommandsTest()
    {
        auto scripted = std::make_unique<ScriptedPrompts>(log);
        prompts = scripted.get();
        frame.Files().SetPrompts(std::move(scripted));
    }

    void Trigger(int id) { frame.Commands().Action(id)->trigger(); }

    // A map with a ground, a wall and a spawn, saved nowhere yet.
    void BuildMap()
    {
        world.Place(kGrass, 100, 100, 7);
        world.Place(kWall, 100, 100, 7);
        world.Place(kGrass, 101, 100, 7);
        world.Document().Spawns().CreateSpawn({100, 100, 7}, 3);
        world.Document().Houses().GetHouse(5, true);
        world.Document().SetModifiedFlag(true);
    }

    EditorTestWorld world;
    CMainFrame& frame = world.Frame();
    CTessarkDoc& document = world.Document();
    ScriptedPrompts::Log log;
    ScriptedPrompts* prompts = nullptr;
};

TEST_F(FileCommandsTest, AFailedSaveIsReportedThenSaveAsAndOpenBringTheMapBack)
{
    BuildMap();
    ModalScript script;
    script.PressOk();
    prompts->answers.push_back(world.QFile("no-such-folder/map.qzbm"));
    prompts->answers.push_back(world.QFile("first.qzbm"));
    Trigger(command::FileSave);  // no file yet: Save asks for a name
    ASSERT_EQ(script.Boxes().size(), 1u);
    EXPECT_EQ(script.Boxes()[0].text, FileCommands::kSaveFailedMessage);
    EXPECT_EQ(script.Boxes()[0].informative, "map.qzbm: No such file or directory");
    EXPECT_EQ(script.Boxes()[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(frame.windowTitle(), "Untitled* - Tessark");
    Trigger(command::FileSave);
    ASSERT_EQ(log.proposedNames, QStringList({"Untitled.qzbm", "Untitled.qzbm"}));
    EXPECT_EQ(document.GetPathName(), world.File("first.qzbm"));
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(frame.windowTitle(), "first.qzbm - Tessark");
    EXPECT_EQ(document.GetSpawnFile(), "first-spawn.xml");
    EXPECT_EQ(document.GetHouseFile(), "first-house.xml");
    // The spawn without creatures is left out of the file, and the status bar says so.
    EXPECT_EQ(frame.StatusBar().PaneText(0), "1 empty spawn was not saved.");

    // Save As: the side files follow the new name.
    prompts->answers.push_back(world.QFile("second.qzbm"));
    Trigger(command::FileSaveAs);
    EXPECT_EQ(log.proposedNames.last(), "first.qzbm");
    EXPECT_EQ(document.GetSpawnFile(), "second-spawn.xml");
    EXPECT_EQ(document.GetHouseFile(), "second-house.xml");
    EXPECT_TRUE(std::filesystem::exists(world.File("second-house.xml")));
    EXPECT_EQ(frame.windowTitle(), "second.qzbm - Tessark");

    // Open the first again (the map is unmodified, so nobody is asked).
    prompts->answers.push_back(world.QFile("first.qzbm"));
    Trigger(command::OpenMap);
    EXPECT_EQ(log.openTitles.last(), "Open");
    EXPECT_EQ(log.openFilters.last(), "QZBM Map (*.qzbm);;QZX Map (*.qzx);;All Files (*.*)");
    EXPECT_EQ(script.Unexpected(), 0);
    EXPECT_EQ(document.GetPathName(), world.File("first.qzbm"));
    ASSERT_NE(document.GetTile(100, 100, 7), nullptr);
    EXPECT_EQ(document.GetTile(100, 100, 7)->GetThingCount(), 2u);
    EXPECT_EQ(document.Spawns().Size(), 0u);  // a spawn without creatures is not written
    EXPECT_EQ(frame.RecentFiles().Files().first().toStdString(), world.File("first.qzbm"));
    EXPECT_EQ(frame.RecentFiles().Files().size(), 2);
}

TEST_F(FileCommandsTest, ModifiedMapPromptsBeforeItIsReplaced)
{
    // Cancel keeps the map; Yes saves it (asking for a name), then it is replaced; No throws it
    // away. New asks before its sheet shows: a cancelled question shows no sheet.
    const std::tuple<QMessageBox::StandardButton, int, bool> answers[] = {
        {QMessageBox::Cancel, command::FileNew, false},
        {QMessageBox::Yes, command::FileNew, true},
        {QMessageBox::No, command::FileNew, true},
        {QMessageBox::Cancel, command::NewMap, false},
    };
    ModalScript script;
    prompts->answers.push_back(world.QFile("kept.qzbm"));
    for (const auto& [button, id, replaced] : answers) {
        world.Place(kGrass, 50, 50, 7);
        script.Press(button);
        Trigger(id);
        EXPECT_EQ(document.GetTile(50, 50, 7) == nullptr, replaced) << button;
        EXPECT_EQ(document.IsModified(), !replaced);
    }
    ASSERT_EQ(script.Boxes().size(), 4u);
    EXPECT_EQ(script.Boxes()[0].text, "Save changes to Untitled?");
    EXPECT_EQ(script.Boxes()[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(std::filesystem::exists(world.File("kept.qzbm")));
    EXPECT_EQ(script.Unexpected(), 0);

    // Closing the window asks too.
    script.Press(QMessageBox::Cancel);
    EXPECT_FALSE(frame.close());
    EXPECT_EQ(script.Boxes().size(), 5u);
}

TEST_F(FileCommandsTest, NewTakesTheSheetsValues)
{
    document.width = 2048;
    document.height = 2048;
    document.temple = {300, 300, 7};
    world.Place(kGrass, 100, 100, 7);
    document.SetModifiedFlag(false);
    ModalScript script;
    QString sheetTitle;
    bool filenameEnabled = false;
    script.Then([&](QWidget* modal) {
        sheetTitle = modal->windowTitle();
        auto* page = modal->findChild<CGeneralPage*>();
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->FilenameEdit().text(), "Untitled");
        EXPECT_EQ(page->WidthEdit().text(), "1000");
        EXPECT_EQ(page->TempleEdit(2).text(), "7");
        EXPECT_EQ(page->WidthEdit().SpinMaximum(), 65536);
        // Wide enough to show the largest size whole.
        const QLineEdit* field = page->WidthEdit().findChild<QLineEdit*>();
        EXPECT_GE(field->width(), field->fontMetrics().horizontalAdvance("65536"));
        filenameEnabled = page->FilenameEdit().isEnabled();
        page->FilenameEdit().setText("Harbour");
        page->WidthEdit().SetValue(1500);
        page->DescriptionEdit().setText("a port town");
        page->SpawnFileEdit().setText("harbour-spawn.xml");
        qobject_cast<QDialog*>(modal)->accept();
    });
    Trigger(command::NewMap);
    EXPECT_EQ(sheetTitle, "New");
    EXPECT_TRUE(filenameEnabled);
    EXPECT_EQ(script.Unexpected(), 0);
    EXPECT_EQ(document.width, 1500);
    EXPECT_EQ(document.height, 1000);
    EXPECT_EQ(document.temple, (Position{100, 100, 7}));
    EXPECT_EQ(document.GetDescription(), "a port town");
    EXPECT_EQ(document.GetSpawnFile(), "harbour-spawn.xml");
    EXPECT_EQ(document.GetTile(100, 100, 7), nullptr);
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(frame.windowTitle(), "Harbour - Tessark");
    EXPECT_TRUE(document.GetTitleOverride().empty());
    // The view's scroll area follows the new size.
    EXPECT_EQ(frame.View().horizontalScrollBar()->maximum() + frame.View().viewport()->width(), 1500 * 32);

    // Cancel changes nothing.
    script.Then([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    Trigger(command::NewMap);
    EXPECT_EQ(document.width, 1500);
    EXPECT_EQ(frame.windowTitle(), "Harbour - Tessark");
}

// Old maps carry Latin-1 names: shown readable, kept byte for byte unless edited.
TEST_F(FileCommandsTest, PropertiesKeepTextThatIsNotUtf8UnlessEdited)
{
    document.SetDescription("caf\xE9");
    document.SetSpawnFile("sp\xE9.xml");
    ModalScript script;
    script.Then([&](QWidget* modal) {
        auto* page = modal->findChild<CGeneralPage*>();
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->DescriptionEdit().text(), QString::fromUtf8("caf\xC3\xA9"));
        EXPECT_EQ(page->SpawnFileEdit().text(), QString::fromUtf8("sp\xC3\xA9.xml"));
        page->SpawnFileEdit().setText(QString::fromUtf8("n\xC3\xA9.xml"));
        qobject_cast<QDialog*>(modal)->accept();
    });
    Trigger(command::MapProperties);
    EXPECT_EQ(document.GetDescription(), "caf\xE9");
    EXPECT_EQ(document.GetSpawnFile(), "n\xC3\xA9.xml");
}

TEST_F(FileCommandsTest, ImportAndTemplateUseTheirOwnDialogs)
{
    BuildMap();
    prompts->answers.push_back(world.QFile("part.qzbm"));
    Trigger(command::FileSaveAs);
    Trigger(command::FileNew);

    ModalScript script;
    prompts->answers.push_back(world.QFile("part.qzbm"));
    Trigger(command::Import);
    EXPECT_EQ(log.openTitles.last(), "Import");
    EXPECT_EQ(log.openFilters.last(), "QZBM Map (*.qzbm);;All Files (*.*)");
    EXPECT_NE(document.GetTile(100, 100, 7), nullptr);
    // An import is an undoable edit: the map has unsaved changes.
    EXPECT_TRUE(document.IsModified());

    script.PressOk();
    prompts->answers.push_back(world.QFile("missing.qzbm"));
    Trigger(command::LoadTemplate);
    EXPECT_EQ(log.openTitles.last(), "Load template");
    ASSERT_EQ(script.Boxes().size(), 1u);
    EXPECT_EQ(script.Boxes()[0].text, "Could not to open missing.qzbm.");
    EXPECT_EQ(document.templateLoaded, 0);
}

}  // namespace
}  // namespace tessark::test
