#pragma once

#include <cstdint>
#include <vector>

#include "model/Position.h"
#include "platform/Rect.h"
#include "platform/Surface.h"
#include "render/MapViewState.h"
#include "render/SpriteRenderer.h"

namespace tessark {

class CSpawn;
class CTessarkDoc;
class CThing;
class CTile;

// Draws the open map as the map view shows it: the floors that show through the current one
// with their offsets, the shade over the lower floors, every visible tile's ground, items,
// creatures and spawn markers with their tints, and on top the brush preview and the cursor
// frame. Works on any surface; the view hands it its off-screen buffer.
class MapDrawer {
public:
    MapDrawer(CTessarkDoc& document, SpriteRenderer& renderer);

    // The view's paint: maps the surface (the client area) to drawing units at the view's
    // zoom and scroll, clips to the paint box (window pixels), blackens it and draws.
    void Paint(Surface& surface, const MapViewState& view, const Rect& paintBox);
    // Draws the whole visible map onto a surface already mapped and cleared.
    void OnDraw(Surface& surface, const MapViewState& view);
    // One tile with its things; the visible spawns are looked up for it.
    void DrawTile(Surface& surface, const MapViewState& view, const Position& position);
    // The paint brush's preview and the inverted frame around the cursor tiles.
    void DrawBrushPreview(Surface& surface, const MapViewState& view);
    void DrawCursorFrame(Surface& surface, const MapViewState& view);

    // The most things a tile shows at a zoom class, its ground included.
    static int ThingLimit(int zoomClass);

    // For the animation timer: the window rectangles of the first animated thing of every
    // visible tile of the current floor (ground, ordinary, top, hanging items, then creatures;
    // at most 10 things looked at per tile).
    std::vector<Rect> AnimatedRects(const MapViewState& view);

private:
    // Spawns of one floor that can reach the drawn columns and rows, in list order.
    void CollectSpawns(int z, const TileSpan& span, int shift);
    void DrawTileWith(Surface& surface, const MapViewState& view, const Position& position);
    ColorRef GroundTint(const MapViewState& view, const Position& position, const CTile& tile,
                        const CThing& ground) const;
    bool IsSelected(const MapViewState& view, const Position& position, const CThing& thing) const;
    bool DrawAtItemRect(Surface& surface, const MapViewState& view, const Position& position, const CThing& thing,
                        ColorRef tint, bool testVisible);
    void SyncRenderer(const MapViewState& view);
    TileSpan Span(const Surface& surface, const MapViewState& view) const;

    CTessarkDoc& document_;
    SpriteRenderer& renderer_;
    std::vector<const CSpawn*> spawns_;
};

// The animation counter for the milliseconds field of the system time.
uint16_t AnimationCounterFromMilliseconds(int milliseconds);

}  // namespace tessark
