// The editor's Paste and the move tool's drop over hostile clipboard and drag bytes. The first
// byte picks the path: 0 tiles, 1 a thing (select tool), 2 a drag entering and dropping.
#include <cstddef>
#include <cstdint>
#include <span>

#include "data/ItemDatabase.h"
#include "edit/EditCommandIds.h"
#include "edit/ToolController.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/MessageSink.h"

namespace {

using namespace tessark;

ItemDatabase& Database()
{
    static ItemDatabase* database = [] {
        auto* made = new ItemDatabase();
        const ItemGroup groups[] = {ItemGroup::Ground, ItemGroup::None,     ItemGroup::Rune,
                                    ItemGroup::Splash, ItemGroup::Teleport, ItemGroup::Depot,
                                    ItemGroup::Creature, ItemGroup::Door};
        int32_t key = 0;
        for (ItemGroup group : groups) {
            for (int variant = 0; variant < 4; ++variant, ++key) {
                ItemType type;
                type.group = group;
                type.stackable = variant == 1;
                type.alwaysOnTop = variant >= 2;
                type.topOrder = static_cast<uint8_t>(variant);
                type.hangeable = variant == 3 && group == ItemGroup::None;
                type.horizontal = variant == 2;
                type.width = static_cast<uint8_t>(1 + variant % 2);
                made->SetServerType(key, type);
            }
        }
        return made;
    }();
    return *database;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    ItemDatabase& database = Database();
    const std::span<const uint8_t> bytes(data + 1, size - 1);
    SilentMessageSink messages;
    CTessarkDoc document(database, messages);
    // A map with something to paste over, a house tile and a unique id among it.
    for (int32_t x = 100; x < 104; ++x) {
        document.AddThing(CreateThing(database, 0, 0), x, 100, 7, false);
    }
    document.Houses().GetHouse(1, true)->AddTile(document.GetTile(101, 100, 7));
    ToolController controller(document);
    EditCommands& commands = controller.Commands();
    controller.MouseMove({100, 100, 7}, false, {});
    commands.SetClipboardOffers({true, true});

    switch (data[0] % 3) {
    case 0:
        commands.Run(GetToolInfo(ToolKind::Selection).commandId);
        commands.Paste({.tile = std::vector<uint8_t>(bytes.begin(), bytes.end())});
        // What was pasted is selected and can be copied and deleted again.
        commands.Run(command::kCopy);
        commands.Run(command::kCut);
        break;
    case 1:
        commands.Run(GetToolInfo(ToolKind::Select).commandId);
        commands.Paste({.thing = std::vector<uint8_t>(bytes.begin(), bytes.end())});
        break;
    default: {
        TileDrag& drag = controller.Drag();
        if (drag.Enter(bytes)) {
            drag.Feedback({300, 200}, 32);
            drag.Drop(drag.Over(false));
        }
        break;
    }
    }
    return 0;
}
