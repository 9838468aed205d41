#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>

namespace tessark {

class CMainFrame;
class CrashRecovery;
class CTessarkDoc;
class MessageBoxSink;
class SpriteRenderer;
struct GameData;

// What the command line asks for.
struct StartupOptions {
    // Where the game data lies; empty: the executable's directory.
    QString dataDirectory;
    // A map to open; empty: a new map.
    QString file;
};

// Parses the editor's own arguments (the QApplication has taken its own): "--data DIR" and one
// file name. Returns an error text for anything else.
std::optional<StartupOptions> ParseStartupArguments(const QStringList& arguments, QString& error);

// The application: loads the game data before any window exists, then makes the document and
// the main window and opens the map named on the command line.
class CTessarkApp {
public:
    explicit CTessarkApp(MessageBoxSink& messages);
    ~CTessarkApp();
    CTessarkApp(const CTessarkApp&) = delete;
    CTessarkApp& operator=(const CTessarkApp&) = delete;

    // False when the program must end (a message has been shown).
    bool InitInstance(const StartupOptions& options);
    bool LoadDataFiles(const QString& dataDirectory);

    GameData& Data() const { return *data_; }
    SpriteRenderer* Renderer() const { return renderer_.get(); }
    CTessarkDoc* Document() const { return document_.get(); }
    CMainFrame* MainFrame() const { return frame_.get(); }

private:
    MessageBoxSink& messages_;
    std::unique_ptr<GameData> data_;
    std::unique_ptr<SpriteRenderer> renderer_;
    std::unique_ptr<CTessarkDoc> document_;
    std::unique_ptr<CMainFrame> frame_;
    // Owned by the window (a child object), which it outlives never.
    CrashRecovery* recovery_ = nullptr;
};

// The undo history's memory budget: the setting "Undo/BudgetMegabytes", 256 MB by default.
size_t UndoBudgetBytes();

// The settings store's key: organisation and application "Tessark".
void SetSettingsKey();

}  // namespace tessark
