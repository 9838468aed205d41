#include "app/ShortcutsDialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/CommandIds.h"
#include "app/CommandTable.h"

namespace tessark {

namespace {

// Commands that no menu names.
QString NameWithoutMenu(int id)
{
    using namespace command;
    switch (id) {
    case FileNew: return "New map (without the properties sheet)";
    case FileOpen: return "Open...";
    case FloorUp: return "One floor up";
    case FloorDown: return "One floor down";
    case GroundFloor: return "Ground floor";
    case NextPane: return "Next pane";
    case PreviousPane: return "Previous pane";
    case Delete: return "Delete";
    default: return {};
    }
}

// "&Open...\tCtrl+O" shows as "Open...".
QString CommandName(const CommandTable& commands, int id)
{
    const QAction* action = commands.Action(id);
    QString name = action != nullptr ? action->text() : QString();
    name = name.left(name.indexOf(QRegularExpression("[\t\n]"))).remove('&').trimmed();
    if (name.isEmpty()) {
        name = NameWithoutMenu(id);
    }
    if (name.isEmpty() && action != nullptr) {
        name = action->statusTip().section(':', 0, 0);
    }
    return name;
}

}  // namespace

QList<ShortcutRow> CShortcutsDialog::Rows(const CommandTable& commands)
{
    QList<ShortcutRow> rows;
    for (const CommandTable::Accelerator& accelerator : commands.Accelerators()) {
        QStringList keys;
        for (const QKeySequence& key : accelerator.keys) {
            // The keypad's keys say so: "Num++" reads badly.
            QString text = key.toString(QKeySequence::NativeText);
            if (key[0].keyboardModifiers() & Qt::KeypadModifier) {
                text = "Keypad " + QKeySequence(key[0].key()).toString(QKeySequence::NativeText);
            }
            keys << text;
        }
        rows.append({keys.join(", "), CommandName(commands, accelerator.id)});
    }
    return rows;
}

CShortcutsDialog::CShortcutsDialog(const CommandTable& commands, QWidget* parent) : QDialog(parent)
{
    setObjectName("KeyboardShortcuts");
    setWindowTitle("Keyboard shortcuts");
    const QList<ShortcutRow> rows = Rows(commands);
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 2, this);
    table->setHorizontalHeaderLabels({"Key", "Command"});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    for (int row = 0; row < rows.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(rows[row].keys));
        table->setItem(row, 1, new QTableWidgetItem(rows[row].command));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(buttons);
    resize(460, 560);
}

}  // namespace tessark
