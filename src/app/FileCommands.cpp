#include "app/FileCommands.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <optional>

#include "app/DisplayText.h"
#include "app/FilePrompts.h"
#include "app/MessageBoxSink.h"
#include "app/RecentFileList.h"
#include "dialogs/GeneralPage.h"
#include "dialogs/MyPropertySheet.h"
#include "mapfiles/MapImport.h"
#include "mapfiles/RecoveryWriter.h"
#include "platform/RecoveryFolder.h"
#include "model/MapProperties.h"
#include "model/Spawn.h"
#include "model/SpawnList.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"
#include "edit/ToolController.h"
#include "view/TessarkView.h"
#include "view/ViewToolInput.h"

namespace tessark {

namespace {

// The spawn file keeps no spawn without creatures.
size_t EmptySpawnCount(const CSpawnList& spawns)
{
    size_t empty = 0;
    for (size_t i = 0; i < spawns.Size(); ++i) {
        empty += spawns.GetSpawn(i)->GetCreatureCount() == 0 ? 1 : 0;
    }
    return empty;
}

GeneralPageFields ToFields(const MapProperties& properties)
{
    GeneralPageFields fields;
    fields.width = properties.width;
    fields.height = properties.height;
    fields.templeX = properties.temple.x;
    fields.templeY = properties.temple.y;
    fields.templeZ = properties.temple.z;
    fields.filename = ToDisplayText(properties.filename);
    fields.spawnFile = ToDisplayText(properties.spawnFile);
    fields.houseFile = ToDisplayText(properties.houseFile);
    fields.description = ToDisplayText(properties.description);
    return fields;
}

MapProperties FromFields(const GeneralPageFields& fields, const MapProperties& original)
{
    MapProperties properties;
    properties.filename = FromEditedText(original.filename, fields.filename);
    properties.width = fields.width;
    properties.height = fields.height;
    properties.temple = {fields.templeX, fields.templeY, fields.templeZ};
    properties.spawnFile = FromEditedText(original.spawnFile, fields.spawnFile);
    properties.houseFile = FromEditedText(original.houseFile, fields.houseFile);
    properties.description = FromEditedText(original.description, fields.description);
    return properties;
}

// Shows the sheet with one "General" page; the page's values on OK.
std::optional<GeneralPageFields> RunPropertySheet(QWidget& parent, const QString& title,
                                                   const GeneralPageFields& fields)
{
    CMyPropertySheet sheet(title, &parent);
    auto* page = new CGeneralPage(fields);
    sheet.AddPage(page, "General");
    if (sheet.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return page->Fields();
}

QString FileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

}  // namespace

// The wait cursor, and the task's name in the status bar, while a long file task runs.
class FileCommands::BusyTask {
public:
    BusyTask(FileCommands& commands, const QString& text) : commands_(commands)
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        emit commands_.TaskStarted(text);
    }
    ~BusyTask()
    {
        QApplication::restoreOverrideCursor();
        emit commands_.TaskEnded();
    }
    BusyTask(const BusyTask&) = delete;
    BusyTask& operator=(const BusyTask&) = delete;

private:
    FileCommands& commands_;
};

FileCommands::FileCommands(CTessarkDoc& document, CTessarkView& view, QWidget& window,
                           RecentFileList& recentFiles, QObject* parent)
    : QObject(parent),
      document_(document),
      view_(view),
      window_(window),
      recentFiles_(recentFiles),
      prompts_(std::make_unique<FilePrompts>())
{
}

FileCommands::~FileCommands() = default;

void FileCommands::SetPrompts(std::unique_ptr<FilePrompts> prompts)
{
    prompts_ = std::move(prompts);
}

bool FileCommands::SaveModified()
{
    if (!document_.IsModified()) {
        return true;
    }
    const QString name = document_.GetPathName().empty() ? ToDisplayText(document_.GetTitle())
                                                         : ToDisplayText(document_.GetPathName());
    const auto answer = QMessageBox::warning(&window_, MessageBoxSink::kTitle, QString("Save changes to %1?").arg(name),
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel || answer == QMessageBox::Escape || answer == QMessageBox::NoButton) {
        return false;
    }
    if (answer == QMessageBox::Yes) {
        return OnSave();
    }
    return true;
}

void FileCommands::OnNewMap()
{
    // Asked first, as Open and Exit do, before the user fills in the sheet.
    if (!SaveModified()) {
        return;
    }
    GeneralPageFields fields = ToFields(NewMapProperties());
    fields.isNew = true;
    fields.maxWidth = view_.MaxNewMapWidth();
    fields.maxHeight = view_.MaxNewMapHeight();
    const std::optional<GeneralPageFields> entered = RunPropertySheet(window_, "New", fields);
    if (!entered) {
        return;
    }
    emit AboutToReset();
    if (NewMapWithProperties(document_, FromFields(*entered, NewMapProperties()))) {
        emit DocumentReset();
    }
}

void FileCommands::OnFileNew()
{
    if (!SaveModified()) {
        return;
    }
    emit AboutToReset();
    if (document_.NewDocument()) {
        emit DocumentReset();
    }
}

void FileCommands::OnOpenMap()
{
    document_.SetTitleOverride("");
    OnFileOpen();
}

void FileCommands::OnFileOpen()
{
    const std::optional<QString> path = prompts_->OpenFileName(&window_, "Open", kOpenMapFilter);
    if (path) {
        OpenFile(*path);
    }
}

bool FileCommands::OpenFile(const QString& path)
{
    if (!SaveModified()) {
        return false;
    }
    emit AboutToReset();
    OpenResult result = OpenResult::Failed;
    {
        BusyTask task(*this, QString("Opening %1...").arg(FileName(path)));
        result = document_.OpenDocument(FromDisplayText(path));
    }
    if (result == OpenResult::Failed) {
        return false;
    }
    // What was saved from a damaged file is an untitled map, not that file.
    if (result == OpenResult::Opened) {
        recentFiles_.Add(path);
    }
    emit DocumentReset();
    return true;
}

bool FileCommands::OpenRecoveryCopy(const RecoveryCopy& copy)
{
    if (!SaveModified()) {
        return false;
    }
    emit AboutToReset();
    OpenResult result = OpenResult::Failed;
    {
        BusyTask task(*this, QString("Restoring %1...").arg(FileName(ToDisplayText(copy.mapPath))));
        result = RecoveryWriter::OpenCopy(document_, copy);
    }
    if (result == OpenResult::Failed) {
        return false;
    }
    emit DocumentReset();
    return true;
}

bool FileCommands::DoSave(bool saveAs)
{
    const std::string path = saveAs ? std::string() : document_.GetPathName();
    std::optional<BusyTask> task;
    if (!saveAs) {
        task.emplace(*this, QString("Saving %1...").arg(FileName(ToDisplayText(path))));
    }
    const SaveResult saved =
        document_.DoSave(path, true, [&](const std::string& proposed) -> std::optional<std::string> {
            const std::optional<QString> chosen =
                prompts_->SaveFileName(&window_, ToDisplayText(proposed), kSaveMapFilter);
            if (chosen) {
                task.emplace(*this, QString("Saving %1...").arg(FileName(*chosen)));
                return FromDisplayText(*chosen);
            }
            return std::nullopt;
        });
    task.reset();
    if (saved == SaveResult::Saved) {
        // The map is another file now: its history starts here.
        if (saveAs) {
            view_.ToolInput().Controller().Undo().Clear();
        }
        recentFiles_.Add(ToDisplayText(document_.GetPathName()));
        // A user who placed a spawn and left it empty should know that it was not saved.
        if (const size_t empty = EmptySpawnCount(document_.Spawns())) {
            emit StatusTextChanged(empty == 1 ? QString("1 empty spawn was not saved.")
                                              : QString("%1 empty spawns were not saved.").arg(empty));
        }
    } else if (saved == SaveResult::Failed) {
        // The writers leave the old files as they were; the user must hear that nothing was
        // saved, and why.
        document_.Messages().Ask({kSaveFailedMessage, MessageIcon::Error, document_.errorDetail});
    }
    // Saved or not, the title shows whether the map has unsaved changes.
    emit TitleChanged();
    return saved == SaveResult::Saved;
}

bool FileCommands::OnSave()
{
    return DoSave(document_.GetPathName().empty());
}

bool FileCommands::OnSaveAs()
{
    return DoSave(true);
}

void FileCommands::OnImport()
{
    const std::optional<QString> path = prompts_->OpenFileName(&window_, "Import", kQzbmOnlyFilter);
    if (path) {
        BusyTask task(*this, QString("Importing %1...").arg(FileName(*path)));
        ImportMap(document_, FromDisplayText(*path));
    }
    // An import is an undoable edit.
    emit TitleChanged();
}

void FileCommands::OnLoadTemplate()
{
    const std::optional<QString> path = prompts_->OpenFileName(&window_, "Load template", kQzbmOnlyFilter);
    if (!path) {
        return;
    }
    LoadTemplateFile(document_, FromDisplayText(*path));
    emit TitleChanged();
}

void FileCommands::OnProperties()
{
    const MapProperties current = ReadMapProperties(document_);
    GeneralPageFields fields = ToFields(current);
    fields.isNew = false;
    const std::optional<GeneralPageFields> entered = RunPropertySheet(window_, "Properties", fields);
    if (!entered) {
        return;
    }
    ApplyMapProperties(document_, FromFields(*entered, current));
    view_.UpdateMapScrollSizes();
    view_.ForgetMapDrawing();
    view_.viewport()->update();
    emit TitleChanged();
}

}  // namespace tessark
