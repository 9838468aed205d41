#include <gtest/gtest.h>

#include <random>

#include "edit/ClipboardCommands.h"
#include "edit/ToolKind.h"
#include "edit/ToolController.h"
#include "mapfiles/MapFormats.h"
#include "model/MapFormat.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"
#include "model/ThingFactory.h"
#include "render/MapDrawer.h"
#include "support/GeneratedWorld.h"

namespace tessark {
namespace {

// Random paints, erasures and pastes on a generated world: after each the cached drawing at zoom
// 0.25 and 0.5 (and 0.2, drawn tile by tile) equals the tile-by-tile drawing, on the ground floor
// and on floor 5 with the floors above showing through.
TEST(ChunkCacheTest, CachedDrawingEqualsDirectDrawingAfterRandomEdits)
{
    test::GeneratedWorld& world = test::GeneratedWorld::Get();
    ItemDatabase& items = world.Data().items;
    SilentMessageSink messages;
    CTessarkDoc document(items, messages);
    document.RegisterMapFormat(MakeQzbmFormat());
    ASSERT_EQ(document.OnOpenDocument(world.MapPath()), OpenResult::Opened);
    ToolController controller(document);
    SpriteRenderer cachedSprites(items);
    SpriteRenderer directSprites(items);
    MapDrawer cached(document, cachedSprites);
    MapDrawer direct(document, directSprites);
    direct.SetChunkCacheEnabled(false);

    const Position center{document.width / 2, document.height / 2, 7};
    MapViewState view;
    view.clientWidth = 400;
    view.clientHeight = 300;
    view.showCursorFrame = false;
    auto frame = [&](MapDrawer& drawer, float zoom, int floor) {
        view.geometry.SetZoom(zoom);
        view.geometry.SetFloor(floor);
        view.scroll = *view.geometry.CenterOn(center.x, center.y, floor, view.clientWidth, view.clientHeight, {},
                                              document.width, document.height);
        Surface surface(view.clientWidth, view.clientHeight);
        drawer.Paint(surface, view, surface.Bounds());
        return surface;
    };
    auto expectSame = [&](const char* step) {
        for (int floor : {7, 5}) {
            for (float zoom : {0.25f, 0.5f, 0.2f}) {
                const Surface want = frame(direct, zoom, floor);
                const Surface got = frame(cached, zoom, floor);
                ASSERT_TRUE(std::equal(want.Pixels(), want.Pixels() + want.Width() * want.Height(), got.Pixels()))
                    << step << " at zoom " << zoom << ", floor " << floor;
            }
        }
    };
    expectSame("opening");

    // What the view does with an outcome.
    auto apply = [&](const ToolOutcome& outcome) {
        if (outcome.changed.Everything()) {
            cached.InvalidateAll();
        } else if (const auto& drawn = outcome.changed.Drawn()) {
            cached.InvalidateTiles(drawn->z, drawn->left, drawn->top, drawn->right, drawn->bottom);
        }
    };
    std::mt19937 random(16);
    auto near = [&](int spread) {
        std::uniform_int_distribution<int> offset(-spread, spread);
        return Position{center.x + offset(random), center.y + offset(random), 7};
    };
    auto useTool = [&](ToolKind kind, const Position& at) {
        apply(controller.Commands().Run(GetToolInfo(kind).commandId));
        controller.MouseMove(at, false, {});
        apply(controller.LeftPress({}));
        apply(controller.LeftRelease({}));
    };
    for (int step = 0; step < 12; ++step) {
        const Position at = near(40);
        switch (step % 3) {
        case 0: {
            // A thing of the world's own, so that its sprites exist.
            const CTile* source = document.GetTile(near(60));
            document.currentItemKey = source && source->GetThingCount() > 0
                                          ? source->GetThing(random() % source->GetThingCount())->GetTypeKey()
                                          : 0;
            controller.Context().SetBrushRadius(static_cast<int>(random() % 3));
            useTool(ToolKind::PaintBrush, at);
            break;
        }
        case 1:
            controller.Context().SetEraserRadius(static_cast<int>(random() % 3));
            useTool(ToolKind::Eraser, at);
            break;
        default: {
            std::vector<Position> block;
            const Position from = near(60);
            for (int dx = 0; dx < 5; ++dx) {
                for (int dy = 0; dy < 4; ++dy) {
                    if (document.GetTile(from.x + dx, from.y + dy, 7)) {
                        block.push_back({from.x + dx, from.y + dy, 7});
                    }
                }
            }
            controller.MouseMove(at, false, {});
            controller.Commands().SetClipboardOffers({.tile = true});
            apply(controller.Commands().Paste({.tile = ClipboardCommands::TileBytes(document, block)}));
            expectSame("paste, selected");
            controller.Context().GetSelection().Clear();
            break;
        }
        }
        expectSame(step % 3 == 0 ? "paint" : step % 3 == 1 ? "erase" : "paste");
    }

    // One item in the middle of a chunk redraws that chunk alone.
    frame(cached, 0.25f, 7);
    const Position inside{center.x / 16 * 16 + 8, center.y / 16 * 16 + 8, 7};
    const size_t before = cached.ChunkDraws();
    document.AddThing(CreateThing(items, document.GetTile(center)->GetThing(0)->GetTypeKey(), 0), inside.x,
                      inside.y, 7, false);
    const Surface after = frame(cached, 0.25f, 7);
    EXPECT_EQ(cached.ChunkDraws(), before + 1);
    const Surface want = frame(direct, 0.25f, 7);
    EXPECT_TRUE(std::equal(want.Pixels(), want.Pixels() + want.Width() * want.Height(), after.Pixels()));
}

}  // namespace
}  // namespace tessark
