#pragma once

#include <cstdint>

namespace tessark {

class CTessarkDoc;
struct ThingAt;

// The dialog "Properties" opens for a chosen thing.
enum class PropertiesDialog { None, Spawn, Creature, Depot, Houses, Item };

struct PropertiesTarget {
    PropertiesDialog dialog = PropertiesDialog::None;
    // The house to preselect in the houses dialog (a ground on a house tile).
    uint32_t houseId = 0;
};

// A spawn and a creature open their own dialogs, a depot the depot dialog, a ground on a house
// tile the houses dialog, any other item the item properties.
PropertiesTarget PropertiesTargetFor(const CTessarkDoc& document, const ThingAt& at);

// Whether this build has the dialog; "Properties" stays disabled for the others.
bool HasPropertiesDialog(PropertiesDialog dialog);

}  // namespace tessark
