#include "dialogs/MonsterProperties.h"

#include "dialogs/NumberSpinEdit.h"
#include "edit/MonsterPropertiesEditor.h"

namespace tessark {
namespace {

// The acceleration record: after 1000 seconds held, steps of 20.
constexpr int kAccelerationMs = 1000 * 1000;
constexpr int kAcceleratedStep = 20;

}  // namespace

CMonsterProperties::CMonsterProperties(MonsterPropertiesEditor& editor, QWidget* parent)
    : NumberSettingDialog("Monster properties", "Spawntime:", editor.SpawnTime(),
                          [&editor](std::optional<int64_t> entered) { return editor.Submit(entered); },
                          parent)
{
    setObjectName("MonsterProperties");
    Field().SetAcceleration(kAccelerationMs, kAcceleratedStep);
}

}  // namespace tessark
