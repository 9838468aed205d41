#include "app/CrashRecovery.h"

#include <QDateTime>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

#include "app/DisplayText.h"
#include "app/FileCommands.h"
#include "app/MainFrame.h"
#include "app/MessageBoxSink.h"
#include "edit/ToolController.h"
#include "model/TessarkDoc.h"
#include "view/TessarkView.h"
#include "view/ViewToolInput.h"

namespace tessark {

CrashRecovery::CrashRecovery(CTessarkDoc& document, CMainFrame& frame, const QString& root)
    : QObject(&frame),
      document_(document),
      undo_(frame.View().ToolInput().Controller().Undo()),
      files_(frame.Files()),
      frame_(frame),
      folder_(FromDisplayText(root))
{
    connect(&timer_, &QTimer::timeout, this, &CrashRecovery::Tick);
    timer_.start(IntervalSeconds() * 1000);
    // The child's end is polled, not signalled: the editor keeps no signal handler.
    connect(&poll_, &QTimer::timeout, this, &CrashRecovery::WriteEnded);
    connect(&files_, &FileCommands::TitleChanged, this, &CrashRecovery::DocumentSettled);
    connect(&files_, &FileCommands::DocumentReset, this, &CrashRecovery::DocumentSettled);
    connect(&files_, &FileCommands::TaskStarted, this, [this] { busy_ = true; });
    connect(&files_, &FileCommands::TaskEnded, this, [this] { busy_ = false; });
    // An edit or an undo may have brought the map back to its saved state.
    connect(&frame.View().ToolInput(), &ViewToolInput::StateChanged, this, &CrashRecovery::DocumentSettled);
}

CrashRecovery::~CrashRecovery() { writer_.Cancel(); }

QString CrashRecovery::DefaultRoot()
{
    // Without a data folder no copy is kept, rather than one in the current folder.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : data + "/recovery";
}

int CrashRecovery::IntervalSeconds()
{
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue(kIntervalVariable, &ok);
    if (ok && fromEnvironment > 0) {
        return fromEnvironment;
    }
    const int setting = QSettings().value(kIntervalKey, kDefaultIntervalSeconds).toInt(&ok);
    return ok && setting > 0 ? setting : kDefaultIntervalSeconds;
}

void CrashRecovery::Tick()
{
    WriteEnded();
    if (busy_) {
        return;
    }
    if (!document_.IsModified()) {
        RemoveCopy();
        return;
    }
    if (undo_.Revision() == copied_) {
        return;
    }
    const uint64_t revision = undo_.Revision();
    if (writer_.Start(document_, folder_, QDateTime::currentSecsSinceEpoch())) {
        copied_ = revision;
        haveCopy_ = true;
        poll_.start(200);
    }
}

void CrashRecovery::WriteEnded()
{
    const RecoveryWriter::State state = writer_.Poll();
    if (state == RecoveryWriter::State::Writing) {
        return;
    }
    poll_.stop();
    if (state == RecoveryWriter::State::Failed) {
        // Tried again at the next tick.
        copied_ = kNoCopy;
    }
}

void CrashRecovery::DocumentSettled()
{
    if (!document_.IsModified()) {
        RemoveCopy();
    }
}

void CrashRecovery::RemoveCopy()
{
    if (!haveCopy_) {
        return;
    }
    writer_.Cancel();
    poll_.stop();
    folder_.RemoveOwnCopy();
    haveCopy_ = false;
    copied_ = kNoCopy;
}

bool CrashRecovery::OfferRestore()
{
    for (const RecoveryCopy& copy : folder_.FindLeftCopies()) {
        const QString name = copy.originalPath.empty() ? QString("an untitled map")
                                                       : ToDisplayText(copy.originalPath);
        const QString when =
            QLocale().toString(QDateTime::fromSecsSinceEpoch(copy.writtenAt), QLocale::ShortFormat);
        const auto answer = QMessageBox::question(
            &frame_, MessageBoxSink::kTitle,
            QString("Tessark ended without saving the changes to %1. A recovery copy from %2 "
                    "was kept.\n\nRestore it? No deletes the copy.")
                .arg(name, when),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::Yes) {
            RecoveryFolder::Remove(copy);
            continue;
        }
        // Taken into this session first, so that it stays safe until the map is saved.
        const std::optional<RecoveryCopy> adopted = folder_.Adopt(copy);
        if (!adopted) {
            document_.Messages().ShowMessage("The recovery copy could not be restored.",
                                             MessageIcon::Error);
            return false;
        }
        // A copy that cannot be read has been reported by the reader.
        if (!files_.OpenRecoveryCopy(*adopted)) {
            return false;
        }
        haveCopy_ = true;
        // A damaged copy opens as an untitled map, which gets a copy of its own.
        copied_ = document_.GetPathName() == adopted->originalPath ? undo_.Revision() : kNoCopy;
        return true;
    }
    return false;
}

}  // namespace tessark
