#include "app/TessarkApp.h"

#include <QCoreApplication>
#include <QSettings>

#include "app/CrashRecovery.h"
#include "app/DisplayText.h"
#include "app/MainFrame.h"
#include "app/MessageBoxSink.h"
#include "data/DataLoader.h"
#include "data/GameData.h"
#include "edit/ToolController.h"
#include "mapfiles/MapFormats.h"
#include "model/TessarkDoc.h"
#include "render/SpriteRenderer.h"
#include "view/TessarkView.h"
#include "view/ViewToolInput.h"

namespace tessark {

std::optional<StartupOptions> ParseStartupArguments(const QStringList& arguments, QString& error)
{
    StartupOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--data") {
            if (i + 1 >= arguments.size()) {
                error = "--data needs a directory";
                return std::nullopt;
            }
            options.dataDirectory = arguments[++i];
        } else if (argument.startsWith("--")) {
            error = "unknown option " + argument;
            return std::nullopt;
        } else if (options.file.isEmpty()) {
            options.file = argument;
        } else {
            error = "only one map can be opened";
            return std::nullopt;
        }
    }
    return options;
}

size_t UndoBudgetBytes()
{
    bool ok = false;
    const qlonglong megabytes =
        QSettings().value("Undo/BudgetMegabytes", qlonglong{UndoStack::kDefaultBudgetBytes >> 20}).toLongLong(&ok);
    return ok && megabytes > 0 ? static_cast<size_t>(megabytes) << 20 : UndoStack::kDefaultBudgetBytes;
}

void SetSettingsKey()
{
    QCoreApplication::setOrganizationName("Tessark");
    QCoreApplication::setApplicationName("Tessark");
}

CTessarkApp::CTessarkApp(MessageBoxSink& messages) : messages_(messages), data_(std::make_unique<GameData>()) {}

CTessarkApp::~CTessarkApp()
{
    // The window (and its view) goes before the document it listens to.
    frame_.reset();
    document_.reset();
}

bool CTessarkApp::LoadDataFiles(const QString& dataDirectory)
{
    if (!tessark::LoadDataFiles(FromDisplayText(dataDirectory), *data_, messages_)) {
        return false;
    }
    renderer_ = std::make_unique<SpriteRenderer>(data_->items);
    return true;
}

bool CTessarkApp::InitInstance(const StartupOptions& options)
{
    const QString directory =
        options.dataDirectory.isEmpty()
            ? ToDisplayText(ChooseDataDirectory(FromDisplayText(QCoreApplication::applicationDirPath()),
                                                TESSARK_INSTALLED_DATA))
            : options.dataDirectory;
    if (!LoadDataFiles(directory)) {
        return false;
    }
    SetSettingsKey();

    document_ = std::make_unique<CTessarkDoc>(data_->items, messages_);
    RegisterMapFormats(*document_);
    frame_ = std::make_unique<CMainFrame>(EditorContext{*data_, *renderer_, *document_, messages_});
    frame_->View().ToolInput().Controller().Undo().SetBudget(UndoBudgetBytes());

    // A map named on the command line that cannot be read leaves the new map open.
    frame_->NewFile();
    if (!options.file.isEmpty()) {
        frame_->OpenFile(options.file);
    }
    frame_->show();
    recovery_ = new CrashRecovery(*document_, *frame_, CrashRecovery::DefaultRoot());
    recovery_->OfferRestore();
    return true;
}

}  // namespace tessark
