#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "edit/NumberSetting.h"

namespace tessark {

class CSpawn;
class CTessarkDoc;

// The rules of the "Spawn properties" dialog: the radius, 1 to 100. A new radius drops the
// spawn's creatures that fall outside it.
class SpawnPropertiesEditor {
public:
    static constexpr int64_t kMinRadius = 1;
    static constexpr int64_t kMaxRadius = 100;

    // The spawn must stay in the document's list until the editor is gone.
    SpawnPropertiesEditor(CTessarkDoc& document, CSpawn& spawn);

    const NumberSetting& Radius() const { return radius_; }

    // OK: the warning to show when the value is refused (nothing changed), else none: the map is
    // marked modified and a changed radius is set. An unchanged radius is not set again, so
    // creatures that a spawn file placed outside it stay.
    std::optional<std::string> Submit(std::optional<int64_t> entered);

private:
    CTessarkDoc& document_;
    CSpawn& spawn_;
    NumberSetting radius_;
};

}  // namespace tessark
