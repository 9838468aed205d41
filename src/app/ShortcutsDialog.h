#pragma once

#include <QDialog>
#include <QList>
#include <QString>

namespace tessark {

class CommandTable;

// One line of the shortcut list: the keys of a command and what it does.
struct ShortcutRow {
    QString keys;
    QString command;
};

// Help > "Keyboard shortcuts": every key of the window's accelerators, read from the command
// table itself so that the list cannot drift from what the keys do.
class CShortcutsDialog final : public QDialog {
    Q_OBJECT
public:
    CShortcutsDialog(const CommandTable& commands, QWidget* parent = nullptr);

    // The rows in the accelerators' order.
    static QList<ShortcutRow> Rows(const CommandTable& commands);
};

}  // namespace tessark
