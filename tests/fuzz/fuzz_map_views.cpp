// A hostile map (QZBM when it starts with four zero bytes, else QZX), read as Open reads it with
// the sample data kit, then shown every way the program shows a map: drawn at every zoom on
// every floor, painted on the minimap, verified and dumped. None of it may fail on what a read
// let in, and verify and dump must cover what was read.
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>

#include "FuzzKit.h"
#include "edit/VerifyCheck.h"
#include "json/MapJson.h"
#include "mapfiles/MapFormats.h"
#include "model/TessarkDoc.h"
#include "platform/Surface.h"
#include "render/MapDrawer.h"
#include "render/MapViewState.h"
#include "render/MinimapPainter.h"
#include "render/SpriteRenderer.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    tessark::fuzz::KitData();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tessark;
    GameData& game = fuzz::KitData();
    const bool binary = size >= 4 && (data[0] | data[1] | data[2] | data[3]) == 0;
    const std::string input = fuzz::ScratchFolder() + (binary ? "/view.qzbm" : "/view.qzx");
    fuzz::WriteInput(input, data, size);

    SilentMessageSink messages;
    CTessarkDoc document(game.items, messages);
    RegisterMapFormats(document);
    document.ReadMapFile(input);

    size_t tiles = 0;
    Position first{0, 0, ViewGeometry::kGroundFloor};
    for (int z = 0; z < kFloorCount; ++z) {
        document.Tiles().ForEachTile(z, [&](uint32_t key, const CTile&) {
            if (tiles++ == 0) {
                SplitTileKey(key, first.x, first.y);
                first.z = z;
            }
        });
    }

    // Every zoom on the floor of the first tile, and every floor once at a zoom that varies with
    // the input: 19 paints reach what 64 would, at a cost that keeps each input well under a
    // second with the sanitizers. Images are cached per zoom class, so the first paint at a
    // zoom decodes what it draws.
    constexpr float kZooms[] = {0.25f, 0.5f, 0.75f, 1.0f};
    SpriteRenderer renderer(game.items);
    MapDrawer drawer(document, renderer);
    Surface surface(80, 60);
    const auto paint = [&](float zoom, int z) {
        MapViewState view;
        view.clientWidth = surface.Width();
        view.clientHeight = surface.Height();
        view.geometry.SetZoom(zoom);
        view.geometry.SetFloor(z);
        view.animationCounter = static_cast<uint16_t>(z * 7);
        const auto centred = view.geometry.CenterOn(first.x, first.y, z, view.clientWidth, view.clientHeight,
                                                    {0, 0}, document.width, document.height);
        view.scroll = view.geometry.ClampScroll(centred.value_or(Point{0, 0}), view.clientWidth,
                                                view.clientHeight, document.width, document.height);
        drawer.Paint(surface, view, surface.Bounds());
    };
    for (const float zoom : kZooms) {
        paint(zoom, first.z);
    }
    for (int z = 0; z < kFloorCount; ++z) {
        if (z != first.z) {
            paint(kZooms[(z + size) % std::size(kZooms)], z);
        }
    }

    MinimapPainter minimap;
    minimap.originX = first.x - 16;
    minimap.originY = first.y - 16;
    minimap.floor = first.z;
    Surface minimapSurface(32, 32);
    minimap.Paint(minimapSurface, document);

    const std::vector<VerifyEntry> entries = VerifyMap(document);
    if (entries.size() < 2 || entries.front().text != "Verifying map..." || entries.back().text != "Done.") {
        std::abort();
    }
    size_t tileLines = 0;
    DumpMapJson(document, [&](std::string_view line) {
        if (line.find("\"kind\": \"tile\"") != std::string_view::npos) {
            ++tileLines;
        }
    });
    if (tileLines != tiles) {
        std::abort();
    }
    return 0;
}
