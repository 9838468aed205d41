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
    explicit Sheet(const GeneralPageFields& fields) : sheet("Properties"), page(new CGeneralPage(fields))
    {
        sheet.AddPage(page, "General");
    }
    CMyPropertySheet sheet;
    CGeneralPage* page;
};

// Beyond a new map's bound the width is refused and the sheet stays open; shrinking an open map
// asks, and Cancel puts the size back while the sheet still closes with OK.
TEST(GeneralPageTest, NewMapLimitAndShrinkingAnOpenMapAsks)
{
    GeneralPageFields bounded;
    bounded.maxWidth = 1000;
    GeneralPageFields open;
    open.isNew = false;
    struct Case {
        GeneralPageFields fields;
        int entered;
        QString box;
        int result;
    };
    const Case cases[] = {
        {bounded, 1001, "Enter an integer between 128 and 1000.", QDialog::Rejected},
        {open, 500, CGeneralPage::kShrinkWarning, QDialog::Accepted},
    };
    for (const Case& c : cases) {
        Sheet sheet(c.fields);
        ModalScript script;
        script.Press(QMessageBox::Cancel);
        sheet.page->WidthEdit().SetValue(c.entered);
        sheet.page->DescriptionEdit().setText("smaller?");
        sheet.sheet.accept();
        ASSERT_EQ(script.Boxes().size(), 1u) << c.entered;
        EXPECT_EQ(script.Boxes()[0].text, c.box);
        EXPECT_EQ(script.Boxes()[0].icon, QMessageBox::Warning);
        EXPECT_EQ(sheet.sheet.result(), c.result);
        EXPECT_EQ(sheet.page->WidthEdit().SpinMaximum(), c.fields.maxWidth);
        EXPECT_EQ(sheet.page->Fields().width, 1000);
        EXPECT_EQ(sheet.page->Fields().description, c.fields.isNew ? "" : "smaller?");
    }
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
