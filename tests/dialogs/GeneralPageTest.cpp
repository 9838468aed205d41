#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "app/ModalScript.h"
#include "dialogs/FileNameEdit.h"
#include "dialogs/GeneralPage.h"
#include "dialogs/MyPropertySheet.h"
#include "dialogs/NumberSpinEdit.h"

namespace tessark::test {
namespace {

// A sheet with one page, as the File commands show it.
struct Sheet {
    explicit Sheet(const GeneralPageFields& fields, const QString& title = "Properties")
        : sheet(title), page(new CGeneralPage(fields))
    {
        sheet.AddPage(page, "General");
    }
    CMyPropertySheet sheet;
    CGeneralPage* page;
};

GeneralPageFields OpenMap(int width, int height)
{
    GeneralPageFields fields;
    fields.isNew = false;
    fields.width = width;
    fields.height = height;
    fields.filename = "world.qzbm";
    return fields;
}

TEST(GeneralPageTest, NewMapLimitFollowsTheViewsBound)
{
    GeneralPageFields fields;
    fields.maxWidth = 1000;
    fields.maxHeight = 1000;
    Sheet sheet(fields, "New");
    ModalScript script;
    script.PressOk();
    sheet.page->WidthEdit().SetValue(1001);
    sheet.sheet.accept();
    ASSERT_EQ(script.Boxes().size(), 1u);
    EXPECT_EQ(script.Boxes()[0].text, "Enter an integer between 128 and 1000.");
    EXPECT_EQ(sheet.page->WidthEdit().SpinMaximum(), 1000);
}

TEST(GeneralPageTest, ShrinkingAnOpenMapAsksAndCancelKeepsTheSize)
{
    Sheet sheet(OpenMap(1000, 1000));
    ModalScript script;
    script.Press(QMessageBox::Cancel);
    sheet.page->WidthEdit().SetValue(500);
    sheet.page->DescriptionEdit().setText("smaller?");
    sheet.sheet.accept();
    ASSERT_EQ(script.Boxes().size(), 1u);
    EXPECT_EQ(script.Boxes()[0].text, CGeneralPage::kShrinkWarning);
    EXPECT_EQ(script.Boxes()[0].icon, QMessageBox::Warning);
    // Cancel puts the size back, and the sheet still closes with OK.
    EXPECT_EQ(sheet.sheet.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.page->Fields().width, 1000);
    EXPECT_EQ(sheet.page->Fields().description, "smaller?");
    EXPECT_EQ(script.Unexpected(), 0);
}

TEST(NumberSpinEditTest, ArrowsStayInTheRangeTypingTakesDigitsOnly)
{
    NumberSpinEdit edit;
    edit.SetSpinRange(128, 130);
    edit.SetValue(129);
    edit.stepBy(1);
    EXPECT_EQ(edit.Value(), 130);
    edit.stepBy(1);
    EXPECT_EQ(edit.Value(), 130);
    edit.stepBy(-5);
    EXPECT_EQ(edit.Value(), 128);

    edit.SetValue(12);
    edit.show();
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClicks(&edit, "a-3");
    EXPECT_EQ(edit.text(), "123");
    edit.clear();
    EXPECT_FALSE(edit.Value().has_value());
}

// Forbidden characters are swallowed when typed; pastes go in only without them.
TEST(FileNameEditTest, ForbiddenCharactersNeverGetIn)
{
    CFileNameEdit edit;
    edit.show();
    edit.setFocus();
    QTest::keyClicks(&edit, "a:b");
    EXPECT_EQ(edit.text(), "ab");
    QTest::keyClicks(&edit, "\\/?*\"<>|c");
    EXPECT_EQ(edit.text(), "abc");

    edit.clear();
    QSignalSpy refused(&edit, &CFileNameEdit::PasteRefused);
    QGuiApplication::clipboard()->setText("map-spawn.xml");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "map-spawn.xml");
    EXPECT_EQ(refused.count(), 0);

    QGuiApplication::clipboard()->setText("c:spawns.xml");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "map-spawn.xml");
    EXPECT_EQ(refused.count(), 1);
    QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(refused.count(), 2);

    // Only what stands before the text's terminating zero counts.
    edit.clear();
    QGuiApplication::clipboard()->setText(QString("ok") + QChar(0) + "|");
    EXPECT_TRUE(edit.Paste());

    // A picture alone is no text to paste.
    edit.clear();
    QGuiApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_FALSE(edit.Paste());
    EXPECT_EQ(refused.count(), 3);
    EXPECT_TRUE(edit.text().isEmpty());
}

}  // namespace
}  // namespace tessark::test
