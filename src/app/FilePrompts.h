#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace tessark {

// The file dialogs the commands ask through; tests put scripted answers in their place.
class FilePrompts {
public:
    virtual ~FilePrompts() = default;
    // A file to read; none when the user cancels.
    virtual std::optional<QString> OpenFileName(QWidget* parent, const QString& title, const QString& filter);
    // A file to write, proposing a name; the dialog asks before replacing a file.
    virtual std::optional<QString> SaveFileName(QWidget* parent, const QString& proposed, const QString& filter);
};

inline constexpr const char* kOpenMapFilter = "QZBM Map (*.qzbm);;QZX Map (*.qzx);;All Files (*.*)";
inline constexpr const char* kQzbmOnlyFilter = "QZBM Map (*.qzbm);;All Files (*.*)";
inline constexpr const char* kSaveMapFilter = "Tessark Files (*.qzbm *.qzx);;All Files (*.*)";

}  // namespace tessark
