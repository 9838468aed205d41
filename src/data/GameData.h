#pragma once

#include "data/ItemDatabase.h"
#include "data/MaterialList.h"

namespace tessark {

// The game data that lives from start-up to exit, held in one place so that the editor, the
// command-line tool and every test build their own. The material list is neither copyable nor
// movable, so neither is this; the item database keeps pointers into itself anyway.
struct GameData {
    ItemDatabase items;
    CMaterialList materials;
};

}  // namespace tessark
