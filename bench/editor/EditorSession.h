#pragma once

#include <QString>
#include <QTemporaryDir>

#include "app/MessageBoxSink.h"
#include "app/TessarkApp.h"

namespace tessark {
class CMainFrame;
}

namespace tessark::bench {

// The editor as its main starts it: game data from a folder, a map from the command line, the
// main window shown. For programs that measure or picture the running editor. Settings, the
// remembered views and recovery files go to a scratch home, never the user's.
class EditorSession {
public:
    // False (after printing why) when the editor would not start.
    bool Start(const QString& dataDirectory, const QString& map);
    CMainFrame& Frame() const;
    CTessarkApp& App() { return app_; }

    // Resizes the main window so that the map view's client area has the size.
    void SetViewSize(int width, int height);

private:
    QTemporaryDir home_;
    MessageBoxSink messages_;
    CTessarkApp app_{messages_};
};

// Points settings and the XDG folders at the folder.
void UseScratchHome(const QTemporaryDir& home);

// Lets every queued event run (painting included).
void Settle();

}  // namespace tessark::bench
