// The editor's Paste and the move tool's drop over hostile clipboard and drag bytes. The first
// byte picks the path: 0 tiles, 1 a thing (select tool), 2 a drag entering and dropping.
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzMapSupport.h"
#include "edit/EditCommandIds.h"
#include "edit/ToolController.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/MessageSink.h"

using namespace tessark;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    ItemDatabase& database = fuzz::VariantDatabase();
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
