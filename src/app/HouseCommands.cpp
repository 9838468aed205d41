#include "app/HouseCommands.h"

#include <QAction>

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/MainFrame.h"
#include "app/ToolCommands.h"
#include "dialogs/HouseProperties.h"
#include "dialogs/TownProperties.h"
#include "edit/HouseSettings.h"
#include "edit/TownSettings.h"
#include "model/House.h"
#include "view/TessarkView.h"
#include "view/ViewToolInput.h"

namespace tessark {

HouseCommands::HouseCommands(CommandTable& commands, CTessarkView& view, CMainFrame& frame)
    : QObject(&frame), view_(view), frame_(frame)
{
    QAction* towns = commands.Add(command::EditTowns, QString());
    towns->setEnabled(true);
    connect(towns, &QAction::triggered, this, &HouseCommands::OpenTowns);
    QAction* houses = commands.Add(command::EditHouses, QString());
    houses->setEnabled(true);
    connect(houses, &QAction::triggered, this, &HouseCommands::EditHouses);
    // Queued: the house tool asks from inside a mouse press, which must finish first.
    connect(&view_.ToolInput(), &ViewToolInput::HousesDialogRequested, this,
            [this](uint32_t houseId) {
                OpenHouses(houseId != 0 ? std::optional<uint32_t>(houseId) : std::nullopt, true);
            },
            Qt::QueuedConnection);
}

bool HouseCommands::EditHouses()
{
    // By the house itself: an id kept for a house deleted meanwhile names nothing to edit.
    const House* selected = view_.ToolInput().Controller().Context().SelectedHouse();
    return selected ? OpenHouses(selected->GetId(), false) : OpenHouses(std::nullopt, true);
}

bool HouseCommands::OpenHouses(std::optional<uint32_t> preselected, bool fullMode)
{
    HouseSettings settings(view_.Document(), preselected, fullMode,
                           [this](HouseChange change, uint32_t houseId) {
                               frame_.OnHouseChanged(change, static_cast<int32_t>(houseId));
                           });
    CHouseProperties dialog(settings, &frame_);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    settings.Close(accepted);
    if (accepted && dialog.Picked()) {
        const HouseSettings::Picked& picked = *dialog.Picked();
        view_.ToolInput().PickHouse(picked.houseId);
        if (picked.centerOn) {
            view_.CenterOnWhenShown(*picked.centerOn);
            view_.setFocus();
        }
    }
    Finished();
    return accepted;
}

bool HouseCommands::OpenTowns()
{
    TownSettings settings(view_.Document());
    CTownProperties dialog(settings, &frame_);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    settings.Close(accepted);
    Finished();
    return accepted;
}

void HouseCommands::Finished()
{
    // A deleted house's tiles lost their house and protection-zone marks.
    view_.ForgetMapDrawing();
    view_.viewport()->update();
    frame_.Tools().Refresh();
    frame_.UpdateTitle();
}

}  // namespace tessark
