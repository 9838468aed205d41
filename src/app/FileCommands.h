#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QWidget;

namespace tessark {

class CTessarkDoc;
class CTessarkView;
class FilePrompts;
class RecentFileList;
struct RecoveryCopy;

// The File menu's commands: they run the dialogs and hand the rest to the document.
class FileCommands final : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kSaveFailedMessage = "Could not save the file.";

    FileCommands(CTessarkDoc& document, CTessarkView& view, QWidget& window, RecentFileList& recentFiles,
                 QObject* parent = nullptr);
    ~FileCommands() override;

    // Tests answer the file dialogs; the commands keep using the given prompts.
    void SetPrompts(std::unique_ptr<FilePrompts> prompts);

    // "&New": asks to save a modified map, then the "New" property sheet, then a new map with
    // its values.
    void OnNewMap();
    // Ctrl+N: a new map without the sheet.
    void OnFileNew();
    // "&Open...": clears the title override, then as Ctrl+O.
    void OnOpenMap();
    void OnFileOpen();
    // Opens a map named on the command line, dropped on the window or picked from the recent
    // list, after asking to save a modified map. A map that cannot be read changes nothing and
    // is not listed among the recent files. False when nothing was opened.
    bool OpenFile(const QString& path);
    // Opens a recovery copy as the modified map it stands for (not listed among the recent
    // files); false when nothing was opened.
    bool OpenRecoveryCopy(const RecoveryCopy& copy);
    bool OnSave();
    bool OnSaveAs();
    void OnImport();
    void OnLoadTemplate();
    // File "Properties".
    void OnProperties();

    // Asks "Save changes to ...?" when the map is modified; false when the user cancels (or the
    // save he asked for fails).
    bool SaveModified();

signals:
    // Before New and Open replace the map: the last chance to note where the view stands.
    void AboutToReset();
    // After New and Open: the view starts over and the title changes.
    void DocumentReset();
    void TitleChanged();
    // A long file task (reading or writing a map) begins and ends; it names its file.
    void TaskStarted(const QString& text);
    void TaskEnded();
    // A note for the status bar, such as the spawns a save left out.
    void StatusTextChanged(const QString& text);

private:
    class BusyTask;
    bool DoSave(bool saveAs);

    CTessarkDoc& document_;
    CTessarkView& view_;
    QWidget& window_;
    RecentFileList& recentFiles_;
    std::unique_ptr<FilePrompts> prompts_;
};

}  // namespace tessark
