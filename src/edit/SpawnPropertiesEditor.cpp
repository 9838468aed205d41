#include "edit/SpawnPropertiesEditor.h"

#include "model/EditStep.h"
#include "model/Spawn.h"
#include "model/TessarkDoc.h"

namespace tessark {

SpawnPropertiesEditor::SpawnPropertiesEditor(CTessarkDoc& document, CSpawn& spawn)
    : document_(document), spawn_(spawn), radius_(spawn.GetRadius(), kMinRadius, kMaxRadius)
{
}

std::optional<std::string> SpawnPropertiesEditor::Submit(std::optional<int64_t> entered)
{
    if (std::optional<std::string> problem = radius_.Check(entered)) {
        return problem;
    }
    EditStep step(document_, "Spawn Properties");
    if (radius_.Changes(*entered)) {
        spawn_.SetRadius(static_cast<int32_t>(*entered));
    }
    document_.SetModifiedFlag(true);
    return std::nullopt;
}

}  // namespace tessark
