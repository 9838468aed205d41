#include "app/ToolCommands.h"

#include <QAction>

#include "app/CommandTable.h"
#include "app/FileCommands.h"
#include "app/MainFrame.h"
#include "dialogs/InputDialog.h"
#include "edit/BrushSize.h"
#include "edit/EditCommandIds.h"
#include "view/TessarkView.h"
#include "view/ViewToolInput.h"

namespace tessark {

ToolCommands::ToolCommands(CommandTable& commands, CTessarkView& view, CMainFrame& frame)
    : QObject(&frame), commands_(commands), view_(view), frame_(frame)
{
    for (ToolKind kind : kAllTools) {
        Handle(GetToolInfo(kind).commandId, true);
    }
    for (int radius = 0; radius <= BrushSize::kMaxRadius; ++radius) {
        Handle(BrushSize::BrushCommand(radius), true);
        Handle(BrushSize::EraserCommand(radius), true);
    }
    for (int id : {command::kSelect, command::kSetHouseExit, command::kSelectHouse,
                   command::kDeselectHouse, command::kCut, command::kCopy, command::kDelete,
                   command::kProperties, command::kUndo, command::kRedo}) {
        Handle(id, false);
    }

    handled_.push_back(command::kFillGround);
    connect(commands_.Add(command::kFillGround, "Fill ground"), &QAction::triggered, this,
            [this] { view_.ToolInput().FillGround(); });
    handled_.push_back(command::kPaste);
    connect(commands_.Add(command::kPaste, QString()), &QAction::triggered, this,
            [this] { view_.ToolInput().Paste(); });
    handled_.push_back(command::kJumpToItem);
    connect(commands_.Add(command::kJumpToItem, QString()), &QAction::triggered, this,
            [this] { JumpToItem(); });

    ViewToolInput& input = view_.ToolInput();
    connect(&input, &ViewToolInput::StateChanged, this, &ToolCommands::Refresh);
    // Every edit may have marked the map modified.
    connect(&input, &ViewToolInput::StateChanged, &frame_, &CMainFrame::UpdateTitle);
    connect(&input, &ViewToolInput::ShowTypeInPalette, &frame_, &CMainFrame::ShowTypeInPalette);
    connect(&input, &ViewToolInput::ContextCommandChosen, this,
            [this](int id) { commands_.Trigger(id); });
    connect(&view_, &CTessarkView::FloorChanged, this, &ToolCommands::Refresh);
    // File commands and dialogs change the undo history too.
    connect(&frame_.Files(), &FileCommands::TitleChanged, this, &ToolCommands::Refresh);
    // A new map forgets the chosen thing and house.
    connect(&frame_.Files(), &FileCommands::DocumentReset, this, [this] {
        Refresh();
        emit view_.StatusTextChanged(view_.ToolInput().HouseStatusText());
    });
    Refresh();
}

void ToolCommands::Handle(int commandId, bool checkable)
{
    handled_.push_back(commandId);
    QAction* action = commands_.Add(commandId, QString());
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this,
            [this, commandId] { view_.ToolInput().RunCommand(commandId); });
}

void ToolCommands::Refresh()
{
    const EditCommands& tools = view_.ToolInput().Controller().Commands();
    for (int id : handled_) {
        QAction* action = commands_.Action(id);
        action->setEnabled(tools.IsEnabled(id));
        if (id == command::kUndo || id == command::kRedo) {
            action->setText(QString::fromStdString(tools.Text(id)));
        }
        if (action->isCheckable()) {
            action->setChecked(tools.IsChecked(id));
        }
    }
}

bool ToolCommands::JumpToItem()
{
    const EditCommands::JumpRange range = view_.ToolInput().Controller().Commands().JumpToItemRange();
    CInputDialog dialog(range.initial, range.minimum, range.maximum, &frame_);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    view_.ToolInput().JumpToItem(dialog.Value());
    return true;
}

}  // namespace tessark
