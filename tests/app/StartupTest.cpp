#include <QSettings>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/MainFrame.h"
#include "app/MessageBoxSink.h"
#include "app/ModalScript.h"
#include "app/TessarkApp.h"
#include "support/ScratchDirectory.h"
#include "support/TestDataSet.h"

namespace tessark::test {
namespace {

TEST(StartupTest, MissingClientDataStopsAfterOneErrorBox)
{
    QSettings().clear();
    ScratchDirectory folder;
    std::filesystem::create_directories(folder.File("data"));
    ASSERT_TRUE(TestDataSet::WriteAll(folder.File("data")));
    std::filesystem::remove(folder.File("data/morva.dat"));
    MessageBoxSink messages;
    CTessarkApp app{messages};
    StartupOptions options;
    options.dataDirectory = QString::fromStdString(folder.File("data"));
    ModalScript script;
    script.PressOk();
    EXPECT_FALSE(app.InitInstance(options));
    ASSERT_EQ(script.Boxes().size(), 1u);
    EXPECT_EQ(script.Boxes()[0].text, "Could not find morva.dat!");
    EXPECT_EQ(script.Boxes()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(script.Boxes()[0].title, "Tessark");
    EXPECT_EQ(script.Unexpected(), 0);
    EXPECT_EQ(app.MainFrame(), nullptr);
    EXPECT_EQ(app.Document(), nullptr);
}

TEST(StartupArgumentsTest, DataDirectoryAndOneMap)
{
    QString error;
    auto options = ParseStartupArguments({"tessark", "--data", "/d", "world.qzbm"}, error);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->dataDirectory, "/d");
    EXPECT_EQ(options->file, "world.qzbm");

    options = ParseStartupArguments({"tessark"}, error);
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->dataDirectory.isEmpty());
    EXPECT_TRUE(options->file.isEmpty());

    EXPECT_FALSE(ParseStartupArguments({"tessark", "--data"}, error));
    EXPECT_FALSE(ParseStartupArguments({"tessark", "--zoom", "2"}, error));
    EXPECT_FALSE(ParseStartupArguments({"tessark", "a.qzbm", "b.qzbm"}, error));
}

}  // namespace
}  // namespace tessark::test
