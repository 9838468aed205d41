#include "EditorSession.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>

#include "app/MainFrame.h"
#include "view/TessarkView.h"

namespace tessark::bench {

bool EditorSession::Start(const QString& dataDirectory, const QString& map)
{
    StartupOptions options;
    options.dataDirectory = dataDirectory;
    options.file = map;
    if (!app_.InitInstance(options)) {
        std::fprintf(stderr, "the editor did not start\n");
        return false;
    }
    if (!QTest::qWaitForWindowExposed(app_.MainFrame())) {
        std::fprintf(stderr, "the main window was not shown\n");
    }
    Settle();
    return true;
}

CMainFrame& EditorSession::Frame() const
{
    return *app_.MainFrame();
}

void EditorSession::SetViewSize(int width, int height)
{
    CMainFrame& frame = Frame();
    // The first start fills the screen; a maximised window keeps its size.
    frame.showNormal();
    for (int attempt = 0; attempt < 3; ++attempt) {
        QWidget* viewport = frame.View().viewport();
        const QSize missing = QSize(width, height) - viewport->size();
        if (missing.isNull()) {
            return;
        }
        frame.resize(frame.size() + missing);
        Settle();
    }
}

void Settle()
{
    QElapsedTimer timer;
    timer.start();
    // A few rounds: a resize posts more events, which post paints.
    while (timer.elapsed() < 200) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

}  // namespace tessark::bench
