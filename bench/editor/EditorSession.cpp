#include "EditorSession.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTest>
#include <cstdio>

#include "app/MainFrame.h"
#include "view/TessarkView.h"

namespace tessark::bench {

void UseScratchHome(const QTemporaryDir& home)
{
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
        qputenv(name, home.path().toLocal8Bit());
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
}

bool EditorSession::Start(const QString& dataDirectory, const QString& map)
{
    UseScratchHome(home_);
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
