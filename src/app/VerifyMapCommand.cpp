#include "app/VerifyMapCommand.h"

#include <QAction>

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "dialogs/CheckMapDialog.h"
#include "view/TessarkView.h"
#include "view/ViewToolInput.h"

namespace tessark {

VerifyMapCommand::VerifyMapCommand(CommandTable& commands, CTessarkView& view, QWidget& window)
    : QObject(&window), view_(view), window_(window)
{
    QAction* verify = commands.Add(command::VerifyMap, QString());
    verify->setEnabled(true);
    connect(verify, &QAction::triggered, this, &VerifyMapCommand::Show);
}

CCheckMapDialog* VerifyMapCommand::Window() const { return dialog_.data(); }

void VerifyMapCommand::Show()
{
    if (!dialog_) {
        dialog_ = new CCheckMapDialog(view_.Document(), &window_);
        connect(dialog_, &CCheckMapDialog::JumpRequested, this, &VerifyMapCommand::JumpTo);
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void VerifyMapCommand::JumpTo(const Position& position)
{
    view_.ToolInput().ChooseThingAt(position);
    view_.CenterOn(position);
    window_.activateWindow();
    view_.setFocus();
}

}  // namespace tessark
