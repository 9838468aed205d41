#include "app/CommandTable.h"

#include <QWidget>

namespace tessark {

CommandTable::CommandTable(QObject* parent) : QObject(parent) {}

QAction* CommandTable::Add(int id, const QString& text)
{
    if (QAction* existing = Action(id)) {
        return existing;
    }
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setEnabled(false);
    actions_[id] = action;
    return action;
}

QAction* CommandTable::Action(int id) const
{
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

bool CommandTable::Trigger(int id)
{
    QAction* action = Action(id);
    if (action == nullptr || !action->isEnabled()) {
        return false;
    }
    action->trigger();
    return true;
}

void CommandTable::AddAccelerator(QWidget& window, int id, const QList<QKeySequence>& keys)
{
    QAction* command = Add(id, QString());
    auto* accelerator = new QAction(&window);
    accelerator->setShortcuts(keys);
    accelerator->setShortcutContext(Qt::WindowShortcut);
    accelerator->setEnabled(command->isEnabled());
    window.addAction(accelerator);
    connect(command, &QAction::changed, accelerator, [command, accelerator] {
        accelerator->setEnabled(command->isEnabled());
    });
    connect(accelerator, &QAction::triggered, this, [this, id] { Trigger(id); });
    for (const QKeySequence& key : keys) {
        accelerators_[key.toString(QKeySequence::PortableText)] = accelerator;
    }
    acceleratorList_.push_back({id, keys});
}

QAction* CommandTable::AcceleratorFor(const QKeySequence& key) const
{
    auto it = accelerators_.find(key.toString(QKeySequence::PortableText));
    return it == accelerators_.end() ? nullptr : it->second;
}

void CommandTable::SetHelp(int id, const QString& statusAndTip)
{
    QAction* action = Add(id, QString());
    const qsizetype split = statusAndTip.indexOf('\n');
    action->setStatusTip(split < 0 ? statusAndTip : statusAndTip.left(split));
    if (split >= 0) {
        action->setToolTip(statusAndTip.mid(split + 1));
    }
}

}  // namespace tessark
