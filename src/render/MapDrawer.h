#pragma once

#include <cstdint>
#include <vector>

#include "model/Position.h"
#include "platform/KeyedImage.h"
#include "platform/Rect.h"
#include "platform/Surface.h"
#include "platform/ViewHint.h"
#include "render/ChunkCache.h"
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
//
// Zoomed out (zoom class 0 and 1) a floor is drawn as 16 x 16-tile chunks kept in a ChunkCache
// and copied: the document's view hints, InvalidateTiles and InvalidateAll say which chunks a
// change made stale. Chunks that the selection touches are drawn afresh every time.
class MapDrawer final : public ViewHintListener {
public:
    MapDrawer(CTessarkDoc& document, SpriteRenderer& renderer);
    ~MapDrawer() override;
    MapDrawer(const MapDrawer&) = delete;
    MapDrawer& operator=(const MapDrawer&) = delete;

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

    // The chunk cache: the drawing of these tiles (inclusive, on floor z) changed, or of any.
    void InvalidateTiles(int z, int left, int top, int right, int bottom);
    void InvalidateAll() { chunks_.Clear(); }
    // Off, every frame is drawn tile by tile (the drawing the cache must equal).
    void SetChunkCacheEnabled(bool enabled) { chunkCacheEnabled_ = enabled; }
    const ChunkCache& Chunks() const { return chunks_; }
    // Chunks drawn so far, cached or not.
    size_t ChunkDraws() const { return chunkDraws_; }

    void OnViewHint(const ViewHint& hint) override;

private:
    // Spawns of one floor that can reach the drawn columns and rows, in list order.
    void CollectSpawns(int z, const TileSpan& span, int shift);
    void DrawTileWith(Surface& surface, const MapViewState& view, const Position& position);
    ColorRef GroundTint(const MapViewState& view, const Position& position, const CTile& tile,
                        const CThing& ground) const;
    bool IsSelected(const MapViewState& view, const Position& position, const CThing& thing) const;
    bool DrawAtItemRect(Surface& surface, const MapViewState& view, const Position& position, const CThing& thing,
                        ColorRef tint);
    void SyncRenderer(const MapViewState& view);
    // Notes the surface's clip box in drawing units, a little widened, for the visible test.
    void NoteVisibleArea(const Surface& surface);
    TileSpan Span(const Surface& surface, const MapViewState& view) const;
    // The floor from the chunk cache; the chunks' own drawing below.
    void DrawFloorChunks(Surface& surface, const MapViewState& view, int z, const TileSpan& span, int shift);
    const KeyedImage& ChunkLayer(const MapViewState& view, int z, int shift, int chunkX, int chunkY,
                                 const Rect& devicePixels);
    void DrawChunk(const MapViewState& view, int z, int shift, int chunkX, int chunkY, const Rect& devicePixels);
    bool SelectionTouches(const MapViewState& view, int z, int left, int top, int right, int bottom) const;
    // Clears the chunk cache when what every chunk depends on changed.
    void SyncChunkCache(const MapViewState& view);
    // The most cells an item type spans across or down.
    int ItemCells() const;

    CTessarkDoc& document_;
    SpriteRenderer& renderer_;
    std::vector<const CSpawn*> spawns_;
    Rect visibleArea_;

    bool chunkCacheEnabled_ = true;
    ChunkCache chunks_;
    Surface chunkScratch_;
    KeyedImage uncachedChunk_;
    size_t chunkDraws_ = 0;
    bool drewAnimated_ = false;
    // What the cached chunks were drawn for.
    float chunkZoom_ = 0.0f;
    int chunkMapWidth_ = -1;
    int chunkMapHeight_ = -1;
    bool chunkFastCopy_ = true;
    int chunkReach_ = -1;
};

// The animation counter for the milliseconds field of the system time.
uint16_t AnimationCounterFromMilliseconds(int milliseconds);

}  // namespace tessark
