// The six game data files loaded together as start-up loads them, from one input cut into
// morva.dat, items.qzb, items.xml, materials.xml, creatures.xml and morva.spr (FuzzInputParts.h;
// a missing part is a missing file). Whatever the files hold, start-up either stops with an
// error message or starts, and what it started with can be drawn.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FuzzInputParts.h"
#include "FuzzMapSupport.h"
#include "data/DataLoader.h"
#include "data/GameData.h"
#include "platform/MessageSink.h"
#include "platform/Surface.h"
#include "render/SpriteRenderer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tessark;
    static const char* const kNames[] = {"morva.dat",     "items.qzb",     "items.xml",
                                         "materials.xml", "creatures.xml", "morva.spr"};
    const std::string folder = fuzz::ScratchFolder() + "/data";
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directory(folder, ignored);
    const auto parts = fuzz::SplitParts(data, size);
    for (size_t i = 0; i < parts.size() && i < std::size(kNames); ++i) {
        fuzz::WriteInput(folder + "/" + kNames[i], reinterpret_cast<const uint8_t*>(parts[i].data()),
                         parts[i].size());
    }

    GameData game;
    RecordingMessageSink messages;
    const bool started = LoadDataFiles(folder, game, messages);
    if (!started) {
        // Start-up never stops without saying why.
        if (messages.messages.empty() || messages.messages.back().icon != MessageIcon::Error) {
            std::abort();
        }
        return 0;
    }
    for (const auto& [key, type] : game.items.ServerTypes()) {
        if (type.spriteCount > ItemType::kMaxSpriteIds) {
            std::abort();
        }
    }
    // The first types as the palette and the view draw them: every size, pattern and sprite
    // the files describe meets the renderer.
    SpriteRenderer renderer(game.items);
    Surface surface(96, 96);
    int drawn = 0;
    for (const auto& [key, type] : game.items.ServerTypes()) {
        if (++drawn > 48) {
            break;
        }
        renderer.DrawPaletteItem(surface, key, 64, 64);
        renderer.SetZoom(0.5);
        renderer.DrawItem(surface, key, drawn, 40, 40, 1, 0x00336699, true, true);
        renderer.SetZoom(1.0);
    }
    return 0;
}
