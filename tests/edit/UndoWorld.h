#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "edit/ToolController.h"
#include "mapfiles/MapFormats.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"
#include "support/CliRun.h"
#include "support/GeneratedWorld.h"
#include "support/MapTestWorld.h"

namespace tessark::edit_test {

// Two small generated worlds of the sample kit, made once: the one to edit and one to import.
struct SmallWorlds {
    static const SmallWorlds& Get()
    {
        static const SmallWorlds worlds;
        return worlds;
    }
    std::string Path(int seed) const { return scratch.File("w" + std::to_string(seed) + ".qzbm"); }

private:
    SmallWorlds()
    {
        for (int seed : {1, 2}) {
            test::RunTool(scratch, "--data '" + test::GeneratedWorld::Get().DataDirectory() +
                                       "' gen-map '" + Path(seed) + "' --size 128 --seed " +
                                       std::to_string(seed));
        }
    }
    test::ScratchDirectory scratch;
};

// A small generated world opened as the editor opens it, with a tool controller (and so an
// undo stack) on it.
class UndoWorld {
public:
    UndoWorld() : document(test::GeneratedWorld::Get().Data().items, messages)
    {
        RegisterMapFormats(document);
        document.OpenDocument(SmallWorlds::Get().Path(1));
        // The small worlds hold no unique ids: some items in the middle get one.
        uint32_t id = 5001;
        for (int32_t y = 40; y < 80; y += 3) {
            for (int32_t x = 40; x < 80; x += 3) {
                CTile* tile = document.GetTile(x, y, 7);
                if (tile && !tile->GetOrdinaryItems().empty()) {
                    tile->GetOrdinaryItems().front()->SetUniqueId(id);
                    document.UniqueIds().Register(id++);
                }
            }
        }
        controller = std::make_unique<ToolController>(document);
    }
    // The whole map as `tessark-cli dump` prints it.
    std::string Dump() const { return test::DumpText(document); }
    UndoStack& Undo() { return controller->Undo(); }
    void Hover(Position tile) { controller->MouseMove(tile, false, {}); }
    // Press on the first tile, drag over the others, release.
    void Stroke(std::initializer_list<Position> tiles)
    {
        Hover(*tiles.begin());
        controller->LeftPress({});
        for (const Position& tile : tiles) {
            controller->MouseMove(tile, true, {});
        }
        controller->LeftRelease({});
    }
    ToolOutcome Run(int commandId) { return controller->Commands().Run(commandId); }
    // The first tile of the floor (in key order) the test accepts; throws when there is none.
    Position FindTile(int z, const std::function<bool(const CTile&)>& accept) const
    {
        std::optional<Position> found;
        document.Tiles().ForEachTile(z, [&](uint32_t key, const CTile& tile) {
            if (!found && accept(tile)) {
                int32_t x = 0;
                int32_t y = 0;
                SplitTileKey(key, x, y);
                found = Position{x, y, z};
            }
        });
        if (!found) {
            throw std::runtime_error("no such tile");
        }
        return *found;
    }

    RecordingMessageSink messages;
    CTessarkDoc document;
    std::unique_ptr<ToolController> controller;
};

}  // namespace tessark::edit_test
