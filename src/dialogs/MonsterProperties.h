#pragma once

#include "dialogs/NumberSettingDialog.h"

namespace tessark {

class MonsterPropertiesEditor;

// "Monster properties": a creature's spawn time in seconds.
class CMonsterProperties final : public NumberSettingDialog {
    Q_OBJECT
public:
    explicit CMonsterProperties(MonsterPropertiesEditor& editor, QWidget* parent = nullptr);
};

}  // namespace tessark
