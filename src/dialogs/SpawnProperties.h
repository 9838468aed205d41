#pragma once

#include "dialogs/NumberSettingDialog.h"

namespace tessark {

class SpawnPropertiesEditor;

// "Spawn properties": the spawn's radius.
class CSpawnProperties final : public NumberSettingDialog {
    Q_OBJECT
public:
    explicit CSpawnProperties(SpawnPropertiesEditor& editor, QWidget* parent = nullptr);
};

}  // namespace tessark
