#pragma once

#include <QApplication>
#include <QClipboard>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "app/CommandTable.h"
#include "app/EditorTestWorld.h"
#include "app/MainFrame.h"
#include "model/TessarkDoc.h"
#include "view/TessarkView.h"

namespace tessark::test {

// Records the regions the viewport is asked to paint.
class PaintRecorder final : public QObject {
public:
    explicit PaintRecorder(QWidget& widget) { widget.installEventFilter(this); }
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

// The main window shown at 900 x 700 with the map view focused, and an empty clipboard (tests
// in one process would otherwise see what an earlier one copied).
class ShownViewTest : public ::testing::Test {
protected:
    ShownViewTest()
    {
        frame.showNormal();  // the first start fills the screen
        frame.resize(900, 700);
        frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
        view.setFocus();
        QApplication::clipboard()->clear();
        QApplication::processEvents();
    }

    EditorTestWorld world;
    CMainFrame& frame = world.Frame();
    CTessarkView& view = frame.View();
    CommandTable& commands = frame.Commands();
    CTessarkDoc& document = world.Document();
};

}  // namespace tessark::test
