#include "app/ThingCommands.h"

#include <QAction>

#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/HouseCommands.h"
#include "dialogs/DepotProperties.h"
#include "dialogs/InfoDlg.h"
#include "dialogs/MonsterProperties.h"
#include "dialogs/PropertiesDlg.h"
#include "dialogs/SpawnProperties.h"
#include "edit/DepotPropertiesEditor.h"
#include "edit/ItemInfo.h"
#include "edit/MonsterPropertiesEditor.h"
#include "edit/PropertiesTarget.h"
#include "edit/SpawnPropertiesEditor.h"
#include "model/Creature.h"
#include "model/DepotItem.h"
#include "model/Spawn.h"
#include "model/TessarkDoc.h"
#include "view/TessarkView.h"
#include "view/ViewToolInput.h"

namespace tessark {

ThingCommands::ThingCommands(CommandTable& commands, CTessarkView& view, SpriteRenderer& renderer,
                             HouseCommands& houses, QWidget& window)
    : QObject(&window), view_(view), renderer_(renderer), houses_(houses), window_(window)
{
    QAction* overview = commands.Add(command::Overview, QString());
    overview->setEnabled(true);
    connect(overview, &QAction::triggered, this, &ThingCommands::ShowOverview);
    ViewToolInput& input = view_.ToolInput();
    connect(&input, &ViewToolInput::PropertiesRequested, this, &ThingCommands::OpenProperties);
    connect(&input, &ViewToolInput::ItemInfoRefreshRequested, this, &ThingCommands::RefreshInfo);
}

template <typename Dialog, typename Editor>
bool ThingCommands::Run(Editor& editor)
{
    Dialog dialog(editor, &window_);
    return dialog.exec() == QDialog::Accepted;
}

bool ThingCommands::OpenProperties()
{
    CTessarkDoc& document = view_.Document();
    const ThingAt chosen = view_.ToolInput().Controller().Context().SelectedThing();
    const PropertiesTarget target = PropertiesTargetFor(document, chosen);
    if (!HasPropertiesDialog(target.dialog)) {
        return false;
    }
    bool accepted = false;
    switch (target.dialog) {
    case PropertiesDialog::Spawn: {
        SpawnPropertiesEditor editor(document, static_cast<CSpawn&>(*chosen.thing));
        accepted = Run<CSpawnProperties>(editor);
        break;
    }
    case PropertiesDialog::Creature: {
        MonsterPropertiesEditor editor(document, static_cast<CCreature&>(*chosen.thing));
        accepted = Run<CMonsterProperties>(editor);
        break;
    }
    case PropertiesDialog::Depot: {
        DepotPropertiesEditor editor(document, static_cast<CDepotItem&>(*chosen.thing), chosen.position);
        accepted = Run<CDepotProperties>(editor);
        break;
    }
    case PropertiesDialog::Item: {
        ItemPropertiesEditor editor(document, static_cast<CItem&>(*chosen.thing), chosen.position);
        accepted = Run<CPropertiesDlg>(editor);
        break;
    }
    case PropertiesDialog::Houses:
        accepted = houses_.OpenHouses(target.houseId, true);
        break;
    case PropertiesDialog::None:
        break;
    }
    if (accepted) {
        view_.ToolInput().ChosenThingEdited();
    }
    return accepted;
}

CInfoDlg* ThingCommands::InfoWindow() const { return info_.data(); }

void ThingCommands::ShowOverview()
{
    if (!info_) {
        info_ = new CInfoDlg(view_.Document().Database(), renderer_, &window_);
    }
    info_->show();
    info_->raise();
    info_->activateWindow();
    RefreshInfo();
}

void ThingCommands::RefreshInfo()
{
    if (!info_) {
        return;
    }
    if (const auto key = ItemInfo::FollowedKey(view_.ToolInput().Controller().Context())) {
        info_->ShowType(*key);
    }
}

}  // namespace tessark
