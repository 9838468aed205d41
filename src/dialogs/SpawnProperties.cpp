#include "dialogs/SpawnProperties.h"

#include "edit/SpawnPropertiesEditor.h"

namespace tessark {

CSpawnProperties::CSpawnProperties(SpawnPropertiesEditor& editor, QWidget* parent)
    : NumberSettingDialog("Spawn properties", "radius:", editor.Radius(),
                          [&editor](std::optional<int64_t> entered) { return editor.Submit(entered); },
                          parent)
{
    setObjectName("SpawnProperties");
}

}  // namespace tessark
