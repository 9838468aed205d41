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

// Type keys of the small game data the tool tests share.
enum Key : int32_t {
    kKeyZero = 0,
    kGround = 1,
    kOtherGround = 2,
    kPlain = 10,
    kBigItem = 11,  // 2 x 3 cells
    kBorder = 20,   // always on top, order 1
    kOtherBorder = 21,
    kWall = 22,  // always on top, order 2, horizontal
    kOtherWall = 23,
    kHanging = 30,
    kRat = 50,  // creature
    kMarker = 1407,
};

using test::MakeType;

inline void FillToolDatabase(ItemDatabase& database)
{
    database.SetServerType(kKeyZero, MakeType(ItemGroup::None, kKeyZero));
    database.SetServerType(kGround, MakeType(ItemGroup::Ground, kGround));
    database.SetServerType(kOtherGround, MakeType(ItemGroup::Ground, kOtherGround));
    database.SetServerType(kPlain, MakeType(ItemGroup::None, kPlain));
    ItemType big = MakeType(ItemGroup::None, kBigItem);
    big.width = 2;
    big.height = 3;
    database.SetServerType(kBigItem, big);
    for (int32_t key : {kBorder, kOtherBorder, kWall, kOtherWall}) {
        ItemType top = MakeType(ItemGroup::None, key);
        top.alwaysOnTop = true;
        top.topOrder = key == kBorder || key == kOtherBorder ? 1 : 2;
        top.horizontal = key == kWall;
        database.SetServerType(key, top);
    }
    ItemType hanging = MakeType(ItemGroup::None, kHanging);
    hanging.hangeable = true;
    database.SetServerType(kHanging, hanging);
    database.SetServerType(kRat, MakeType(ItemGroup::Creature, kRat));
    database.SetServerType(kMarker, MakeType(ItemGroup::None, kMarker));
}

// Records every hint and the document's redrawAtOnce at the moment it came.
class BatchingRecorder : public ViewHintListener {
public:
    explicit BatchingRecorder(const CTessarkDoc& document) : document_(document) {}
    void OnViewHint(const ViewHint& hint) override
    {
        hints.push_back(hint);
        redrawAtOnce.push_back(document_.redrawAtOnce);
    }
    std::vector<ViewHint> hints;
    std::vector<int32_t> redrawAtOnce;

private:
    const CTessarkDoc& document_;
};

// A document with the tool data, a controller on it, and helpers that act as the view does.
class ToolWorld {
public:
    ToolWorld() : document(database, messages), recorder(document)
    {
        FillToolDatabase(database);
        controller = std::make_unique<ToolController>(document);
        document.AddViewHintListener(recorder);
    }
    ~ToolWorld() { document.RemoveViewHintListener(recorder); }

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
    BatchingRecorder recorder;
    std::unique_ptr<ToolController> controller;
};

}  // namespace tessark::edit_test
