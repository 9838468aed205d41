#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>

#include "mapfiles/RecoveryWriter.h"
#include "platform/RecoveryFolder.h"

namespace tessark {

class CMainFrame;
class CTessarkDoc;
class FileCommands;
class UndoStack;

// The editor's recovery copies. While the map has unsaved edits, a timer writes a copy in the
// background at most once an interval; a save, New, Open, an undo back to the saved state and a
// normal quit remove it. At start, copies that crashed sessions left are offered.
class CrashRecovery final : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultIntervalSeconds = 120;
    static constexpr const char* kIntervalKey = "Recovery/IntervalSeconds";
    static constexpr const char* kIntervalVariable = "TESSARK_RECOVERY_SECONDS";

    // The copies live in root (the user's data folder, see DefaultRoot).
    CrashRecovery(CTessarkDoc& document, CMainFrame& frame, const QString& root);
    // A normal quit: the copy goes.
    ~CrashRecovery() override;

    static QString DefaultRoot();
    // The environment variable's seconds when set (for tests), else the setting's.
    static int IntervalSeconds();

    // Asks about each left copy, newest first, until one is restored; a copy declined is
    // deleted. True when one was opened.
    bool OfferRestore();

private:
    void Tick();
    void WriteEnded();
    // After a save, New or Open: a map without unsaved edits needs no copy.
    void DocumentSettled();
    void RemoveCopy();

    CTessarkDoc& document_;
    const UndoStack& undo_;
    FileCommands& files_;
    CMainFrame& frame_;
    RecoveryFolder folder_;
    RecoveryWriter writer_;
    QTimer timer_;
    QTimer poll_;
    // The undo stack's revision the copy holds; none while there is no current copy.
    static constexpr uint64_t kNoCopy = UINT64_MAX;
    uint64_t copied_ = kNoCopy;
    bool haveCopy_ = false;
    // A file task (reading, saving, importing) runs: its map is not to be copied half done.
    bool busy_ = false;
};

}  // namespace tessark
