#pragma once

#include "edit/Tool.h"

namespace tessark {

// Adds a spawn of radius 5 centred on the tile under the cursor, where the tile lies inside the
// map and has a ground; the new spawn becomes the chosen thing.
class SpawnTool final : public Tool {
public:
    static constexpr int32_t kNewSpawnRadius = 5;

    ToolKind Kind() const override { return ToolKind::Spawn; }
    void Press(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome) override;
};

}  // namespace tessark
