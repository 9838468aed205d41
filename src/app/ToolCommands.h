#pragma once

#include <QObject>
#include <vector>

namespace tessark {

class CMainFrame;
class CTessarkView;
class CommandTable;

// The window's commands that the editing tools handle: the eight tools, the two size menus,
// "Select", "Set house exit", "Select house", "Deselect house", "Properties", "Fill ground",
// "Jump to item...", Cut, Copy, Paste and Delete, Undo and Redo. Connects them to the view's
// tools and keeps their enabled and checked states.
class ToolCommands final : public QObject {
    Q_OBJECT
public:
    ToolCommands(CommandTable& commands, CTessarkView& view, CMainFrame& frame);

    // Reads every handled command's enabled and checked state from the tools.
    void Refresh();
    // Runs "Jump to item...": the dialog, then the jump; false when it was cancelled.
    bool JumpToItem();

    const std::vector<int>& HandledCommands() const { return handled_; }

private:
    void Handle(int commandId, bool checkable);

    CommandTable& commands_;
    CTessarkView& view_;
    CMainFrame& frame_;
    std::vector<int> handled_;
};

}  // namespace tessark
