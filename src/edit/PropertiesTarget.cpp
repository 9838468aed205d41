#include "edit/PropertiesTarget.h"

#include "edit/TopmostThing.h"
#include "model/House.h"
#include "model/Item.h"
#include "model/TessarkDoc.h"

namespace tessark {

PropertiesTarget PropertiesTargetFor(const CTessarkDoc& document, const ThingAt& at)
{
    if (!at) {
        return {};
    }
    switch (at.thing->Kind()) {
    case ThingKind::Spawn:
        return {PropertiesDialog::Spawn};
    case ThingKind::Creature:
        return {PropertiesDialog::Creature};
    case ThingKind::Depot:
        return {PropertiesDialog::Depot};
    default:
        break;
    }
    if (static_cast<const CItem*>(at.thing)->IsGround(document.Database())) {
        if (const House* house = document.FindHouseAt(at.position)) {
            return {PropertiesDialog::Houses, house->GetId()};
        }
    }
    return {PropertiesDialog::Item};
}

bool HasPropertiesDialog(PropertiesDialog dialog)
{
    return dialog != PropertiesDialog::None;
}

}  // namespace tessark
