#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "edit/NumberSetting.h"

namespace tessark {

class CCreature;
class CTessarkDoc;

// The rules of the "Monster properties" dialog: the creature's spawn time, 20 to 86400 seconds.
// A stored time outside that range (a spawn file may hold 0) shows as it is and is kept unless
// the user changes it.
class MonsterPropertiesEditor {
public:
    static constexpr int64_t kMinSpawnTime = 20;
    static constexpr int64_t kMaxSpawnTime = 86400;

    // The creature must stay in its spawn until the editor is gone.
    MonsterPropertiesEditor(CTessarkDoc& document, CCreature& creature);

    const NumberSetting& SpawnTime() const { return spawnTime_; }

    // OK: the warning to show when the value is refused (nothing changed), else none: the
    // creature takes the time and the map is marked modified.
    std::optional<std::string> Submit(std::optional<int64_t> entered);

private:
    CTessarkDoc& document_;
    CCreature& creature_;
    NumberSetting spawnTime_;
};

}  // namespace tessark
