#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <map>
#include <vector>

class QWidget;

namespace tessark {

// Every command of the main window by its number: one action per command, shared by the menus,
// the toolbar and the drop-down menus, plus the accelerators that trigger commands by key.
// A command starts disabled; whoever handles it connects to Action(id) and enables it.
class CommandTable final : public QObject {
    Q_OBJECT
public:
    explicit CommandTable(QObject* parent = nullptr);

    // The action of a command, made on first use with the given text; later calls with a text
    // for the same id keep the first text.
    QAction* Add(int id, const QString& text);
    // Null for an id never added.
    QAction* Action(int id) const;
    bool Contains(int id) const { return actions_.count(id) != 0; }
    // Triggers the command when it is enabled; false otherwise.
    bool Trigger(int id);

    // Keys of the window that trigger the command; they follow the command's enabled state so
    // that a disabled command leaves its key to the focused control.
    void AddAccelerator(QWidget& window, int id, const QList<QKeySequence>& keys);
    // The accelerator action of a key, null when no accelerator has the key.
    QAction* AcceleratorFor(const QKeySequence& key) const;
    struct Accelerator {
        int id;
        QList<QKeySequence> keys;
    };
    // Every accelerator in the order added.
    const std::vector<Accelerator>& Accelerators() const { return acceleratorList_; }

    // Status-bar help and tooltip, as the string table pairs them ("status\ntip").
    void SetHelp(int id, const QString& statusAndTip);

private:
    std::map<int, QAction*> actions_;
    std::map<QString, QAction*> accelerators_;
    std::vector<Accelerator> acceleratorList_;
};

}  // namespace tessark
