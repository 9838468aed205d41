#pragma once

#include <QObject>
#include <cstdint>
#include <optional>

namespace tessark {

class CMainFrame;
class CTessarkView;
class CommandTable;

// "Edit towns..." and "Edit houses...", and the houses dialog the house tool asks for when no
// house is selected. The dialogs' house changes go to the views through the main frame; their
// "Select" picks the house and the house tool in the view.
class HouseCommands final : public QObject {
    Q_OBJECT
public:
    HouseCommands(CommandTable& commands, CTessarkView& view, CMainFrame& frame);

    // Runs the houses dialog with the house preselected; restricted mode lets only that house's
    // fields be saved. True when it ended with OK.
    bool OpenHouses(std::optional<uint32_t> preselected, bool fullMode);
    bool OpenTowns();
    // "Edit houses...": the selected house preselected, and then restricted to it.
    bool EditHouses();

private:
    void Finished();

    CTessarkView& view_;
    CMainFrame& frame_;
};

}  // namespace tessark
