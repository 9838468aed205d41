#include "edit/MonsterPropertiesEditor.h"

#include "model/Creature.h"
#include "model/EditStep.h"
#include "model/TessarkDoc.h"

namespace tessark {

// The spawn file writes the time as a signed number, so that is how it shows.
MonsterPropertiesEditor::MonsterPropertiesEditor(CTessarkDoc& document, CCreature& creature)
    : document_(document),
      creature_(creature),
      spawnTime_(static_cast<int32_t>(creature.GetSpawnTime()), kMinSpawnTime, kMaxSpawnTime)
{
}

std::optional<std::string> MonsterPropertiesEditor::Submit(std::optional<int64_t> entered)
{
    if (std::optional<std::string> problem = spawnTime_.Check(entered)) {
        return problem;
    }
    EditStep step(document_, "Monster Properties");
    if (spawnTime_.Changes(*entered)) {
        creature_.SetSpawnTime(static_cast<uint32_t>(*entered));
    }
    document_.SetModifiedFlag(true);
    return std::nullopt;
}

}  // namespace tessark
