#pragma once

#include <memory>
#include <vector>

#include "data/ItemDatabase.h"
#include "edit/ToolController.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/MessageSink.h"
#include "support/TestItems.h"

namespace tessark::edit_test {

// The shared test keys (support/TestItems.h) under the names the tool tests use, and the
// kinds only they need.
enum Key : int32_t {
    kKeyZero = 0,
    kGround = test::kGrass,
    kOtherGround = test::kDirt,
    kPlain = test::kPlain,
    kBigItem = 17,  // 2 x 3 cells
    kBorder = test::kBorder,  // always on top, order 1
    kOtherBorder = 25,
    kWall = test::kHorizontalWall,  // always on top, order 2, horizontal
    kOtherWall = test::kVerticalWall,
    kHanging = test::kHanging,
    kRat = test::kRat,  // creature
    kMarker = 1407,
};

using test::MakeType;

inline void FillToolDatabase(ItemDatabase& database)
{
    test::FillTestItems(database);
    database.SetServerType(kKeyZero, MakeType(ItemGroup::None, kKeyZero));
    ItemType big = MakeType(ItemGroup::None, kBigItem);
    big.width = 2;
    big.height = 3;
    database.SetServerType(kBigItem, big);
    database.SetServerType(kOtherBorder, test::MakeTopType(kOtherBorder, 1));
    database.SetServerType(kMarker, MakeType(ItemGroup::None, kMarker));
}

// A document with the tool data, a controller on it, and helpers that act as the view does.
class ToolWorld {
public:
    ToolWorld() : document(database, messages)
    {
        FillToolDatabase(database);
        controller = std::make_unique<ToolController>(document);
    }

    CItem* Put(int32_t key, Position at, bool replace = false)
    {
        auto item = CreateThing(database, key, 0);
        CItem* raw = item.get();
        document.AddThing(std::move(item), at.x, at.y, at.z, replace);
        return raw;
    }
    // The cursor enters the tile without a button held.
    void Hover(Position tile) { controller->MouseMove(tile, false, {}); }
    ToolOutcome Click(Position tile, Modifiers modifiers = {})
    {
        Hover(tile);
        ToolOutcome outcome = controller->LeftPress(modifiers);
        controller->LeftRelease(modifiers);
        return outcome;
    }
    // Press on the first tile, drag over the others, release there; what the release gave.
    ToolOutcome Stroke(const std::vector<Position>& tiles)
    {
        Hover(tiles.front());
        controller->LeftPress({});
        for (const Position& tile : tiles) {
            controller->MouseMove(tile, true, {});
        }
        return controller->LeftRelease({});
    }
    ToolOutcome Tool(ToolKind kind)
    {
        return controller->Commands().Run(GetToolInfo(kind).commandId);
    }
    size_t ThingCount(Position at) const
    {
        const CTile* tile = document.GetTile(at);
        return tile ? tile->GetThingCount() : 0;
    }
    std::vector<int32_t> Keys(Position at) const
    {
        std::vector<int32_t> keys;
        if (const CTile* tile = document.GetTile(at)) {
            for (size_t i = 0; i < tile->GetThingCount(); ++i) {
                keys.push_back(tile->GetThing(i)->GetTypeKey());
            }
        }
        return keys;
    }

    ItemDatabase database;
    RecordingMessageSink messages;
    CTessarkDoc document;
    std::unique_ptr<ToolController> controller;
};

}  // namespace tessark::edit_test
