#include "render/MapDrawer.h"

#include <algorithm>

#include "data/ItemDatabase.h"
#include "model/Creature.h"
#include "model/Item.h"
#include "model/Spawn.h"
#include "model/SpawnList.h"
#include "model/TessarkDoc.h"
#include "model/Tile.h"
#include "render/ImageHelpers.h"

namespace tessark {

namespace {

constexpr int kAnimationExamineLimit = 10;
constexpr int kLastCoordinate = 0xFFFF;

// The map columns and rows under a screen span on a floor shifted by shift tiles. The tile store
// keeps the low 16 bits of a coordinate, so coordinates outside 0..65535 would find the tiles
// of the other end of the map: they hold nothing here.
TileSpan MapTiles(const TileSpan& span, int shift)
{
    return {std::max(span.firstColumn + shift, 0), std::max(span.firstRow + shift, 0),
            std::min(span.lastColumn + shift, kLastCoordinate), std::min(span.lastRow + shift, kLastCoordinate)};
}

const CItem* AsItem(const CThing& thing)
{
    return thing.IsItem() ? static_cast<const CItem*>(&thing) : nullptr;
}

}  // namespace

uint16_t AnimationCounterFromMilliseconds(int milliseconds)
{
    return static_cast<uint16_t>(static_cast<int64_t>(milliseconds * 0.001 * 86400));
}

MapDrawer::MapDrawer(CTessarkDoc& document, SpriteRenderer& renderer) : document_(document), renderer_(renderer)
{
    document_.AddViewHintListener(*this);
}

MapDrawer::~MapDrawer()
{
    document_.RemoveViewHintListener(*this);
}

void MapDrawer::OnViewHint(const ViewHint& hint)
{
    switch (hint.kind) {
    case ViewHintKind::Thing:
    case ViewHintKind::Ground: {
        const ItemType& type = document_.Database().GetServerType(hint.typeKey);
        InvalidateTiles(hint.z, hint.x - type.width + 1, hint.y - type.height + 1, hint.x, hint.y);
        break;
    }
    case ViewHintKind::Tile: {
        // The tile that was there may have held larger items than the one that came.
        const int reach = ItemCells() - 1;
        InvalidateTiles(hint.z, hint.x - reach, hint.y - reach, hint.x, hint.y);
        break;
    }
    case ViewHintKind::Clearing:
    case ViewHintKind::All:
        InvalidateAll();
        break;
    }
}

void MapDrawer::InvalidateTiles(int z, int left, int top, int right, int bottom)
{
    chunks_.Invalidate(z, left, top, right, bottom);
}

int MapDrawer::ItemCells() const
{
    int cells = 1;
    for (const auto& [key, type] : document_.Database().ServerTypes()) {
        cells = std::max({cells, static_cast<int>(type.width), static_cast<int>(type.height)});
    }
    return cells;
}

int MapDrawer::ThingLimit(int zoomClass)
{
    switch (zoomClass) {
    case 0:
        return 1;
    case 1:
        return 4;
    case 2:
        return 5;
    default:
        return 10;
    }
}

void MapDrawer::SyncRenderer(const MapViewState& view)
{
    // Cached images are keyed by zoom class, not scale: a new scale must not meet old images.
    if (renderer_.Zoom() != static_cast<double>(view.geometry.Zoom())) {
        renderer_.SetZoom(view.geometry.Zoom());
        renderer_.ClearImageCache();
    }
    renderer_.SetAnimationCounter(view.animationCounter);
}

void MapDrawer::NoteVisibleArea(const Surface& surface)
{
    // Rounding between units and pixels moves an edge by less than a pixel's worth of units;
    // the margin keeps every rectangle that reaches the clip, and the copy clips the rest.
    const Rect area = surface.ToLogical(surface.Clip());
    const int margin = 100 / std::max(surface.ScalePercent(), 1) + 2;
    visibleArea_ = {area.left - margin, area.top - margin, area.right + margin, area.bottom + margin};
}

TileSpan MapDrawer::Span(const Surface& surface, const MapViewState& view) const
{
    return view.geometry.VisibleTileSpan(surface.ToLogical(surface.Bounds()), document_.width, document_.height);
}

void MapDrawer::Paint(Surface& surface, const MapViewState& view, const Rect& paintBox)
{
    view.geometry.ApplyMapping(surface, view.scroll);
    surface.SetClip(paintBox);
    surface.Fill(surface.Clip(), 0);
    OnDraw(surface, view);
    surface.ResetClip();
}

void MapDrawer::OnDraw(Surface& surface, const MapViewState& view)
{
    SyncRenderer(view);
    NoteVisibleArea(surface);
    const ViewGeometry& geometry = view.geometry;
    const TileSpan span = Span(surface, view);
    // Where a tile is not a whole number of units the span falls short of the window's edge,
    // which whole chunks would not: such zooms are drawn tile by tile.
    const bool cached = chunkCacheEnabled_ && geometry.ZoomClass() < 2 && geometry.TileUnits() == geometry.TileUnitsCeil();
    if (cached) {
        SyncChunkCache(view);
    }
    for (int z = geometry.FirstFloor(); z >= geometry.LastFloor(); z += geometry.FloorStep()) {
        const int shift = geometry.FloorShift(z);
        CollectSpawns(z, span, shift);
        if (cached) {
            DrawFloorChunks(surface, view, z, span, shift);
        } else {
            const TileSpan tiles = MapTiles(span, shift);
            for (int column = tiles.firstColumn; column <= tiles.lastColumn; ++column) {
                for (int row = tiles.firstRow; row <= tiles.lastRow; ++row) {
                    DrawTileWith(surface, view, {column, row, z});
                }
            }
        }
        if (z == geometry.CurrentFloor() + 1 && view.showShades) {
            FillDithered(surface, surface.ToLogical(surface.Bounds()), 0);
        }
    }
    DrawBrushPreview(surface, view);
    if (view.showCursorFrame) {
        DrawCursorFrame(surface, view);
    }
}

void MapDrawer::SyncChunkCache(const MapViewState& view)
{
    const int reach = ItemCells() - 1;
    if (chunkZoom_ != view.geometry.Zoom() || chunkMapWidth_ != document_.width ||
        chunkMapHeight_ != document_.height || chunkFastCopy_ != renderer_.fastTransparentCopy ||
        chunkReach_ != reach) {
        chunks_.Clear();
        chunkZoom_ = view.geometry.Zoom();
        chunkMapWidth_ = document_.width;
        chunkMapHeight_ = document_.height;
        chunkFastCopy_ = renderer_.fastTransparentCopy;
        chunkReach_ = reach;
    }
}

void MapDrawer::DrawFloorChunks(Surface& surface, const MapViewState& view, int z, const TileSpan& span, int shift)
{
    const TileSpan tiles = MapTiles(span, shift);
    if (tiles.firstColumn > tiles.lastColumn || tiles.firstRow > tiles.lastRow) {
        return;
    }
    constexpr int kChunk = ChunkCache::kChunkTiles;
    const int tile = view.geometry.TileUnits();
    const Point origin = surface.Origin();
    for (int chunkX = tiles.firstColumn / kChunk; chunkX <= tiles.lastColumn / kChunk; ++chunkX) {
        for (int chunkY = tiles.firstRow / kChunk; chunkY <= tiles.lastRow / kChunk; ++chunkY) {
            // The chunk's own tiles on the screen; what reaches in from its neighbours is its too.
            const int column = chunkX * kChunk - shift;
            const int row = chunkY * kChunk - shift;
            const Rect area = surface.ToDevice(Rect{tile * column, tile * row, tile * (column + kChunk),
                                                    tile * (row + kChunk)});
            if (area.IsEmpty() || !surface.IsVisible(area)) {
                continue;
            }
            const Rect pixels{area.left - origin.x, area.top - origin.y, area.right - origin.x,
                              area.bottom - origin.y};
            CopyKeyed(surface, {area.left, area.top}, ChunkLayer(view, z, shift, chunkX, chunkY, pixels));
        }
    }
}

bool MapDrawer::SelectionTouches(const MapViewState& view, int z, int left, int top, int right, int bottom) const
{
    const Position& chosen = view.selectedThingPosition;
    if (view.selectedThing && chosen.z == z && chosen.x >= left && chosen.x <= right && chosen.y >= top &&
        chosen.y <= bottom) {
        return true;
    }
    return view.selection && view.selection->MayTouch(z, left, top, right, bottom);
}

const KeyedImage& MapDrawer::ChunkLayer(const MapViewState& view, int z, int shift, int chunkX, int chunkY,
                                        const Rect& devicePixels)
{
    constexpr int kChunk = ChunkCache::kChunkTiles;
    const int reach = chunkReach_;
    if (SelectionTouches(view, z, chunkX * kChunk, chunkY * kChunk, chunkX * kChunk + kChunk - 1 + reach,
                         chunkY * kChunk + kChunk - 1 + reach)) {
        DrawChunk(view, z, shift, chunkX, chunkY, devicePixels);
        uncachedChunk_.Build(chunkScratch_.View(), kTransparentPixel);
        return uncachedChunk_;
    }
    if (ChunkCache::Layer* layer = chunks_.Find(z, shift, chunkX, chunkY)) {
        if (!layer->animated || layer->counter == view.animationCounter) {
            return layer->image;
        }
    }
    DrawChunk(view, z, shift, chunkX, chunkY, devicePixels);
    ChunkCache::Layer& layer = chunks_.Insert(z, shift, chunkX, chunkY);
    layer.image.Build(chunkScratch_.View(), kTransparentPixel);
    layer.animated = drewAnimated_;
    layer.counter = view.animationCounter;
    chunks_.Stored();
    return layer.image;
}

void MapDrawer::DrawChunk(const MapViewState& view, int z, int shift, int chunkX, int chunkY,
                          const Rect& devicePixels)
{
    constexpr int kChunk = ChunkCache::kChunkTiles;
    ++chunkDraws_;
    // The same drawing units as on the view's surface, moved so that the chunk starts at pixel 0.
    chunkScratch_.Resize(devicePixels.Width(), devicePixels.Height(), kTransparentPixel);
    chunkScratch_.SetMapping(view.geometry.ScalePercent(), {-devicePixels.left, -devicePixels.top});
    NoteVisibleArea(chunkScratch_);
    drewAnimated_ = false;
    // Tiles past the map's width and height show as far as the view's span reaches, one tile.
    const int lastColumn = std::min({chunkX * kChunk + kChunk - 1 + chunkReach_, document_.width + shift, kLastCoordinate});
    const int lastRow = std::min({chunkY * kChunk + kChunk - 1 + chunkReach_, document_.height + shift, kLastCoordinate});
    for (int column = std::max(chunkX * kChunk, 0); column <= lastColumn; ++column) {
        for (int row = std::max(chunkY * kChunk, 0); row <= lastRow; ++row) {
            DrawTileWith(chunkScratch_, view, {column, row, z});
        }
    }
}

void MapDrawer::CollectSpawns(int z, const TileSpan& span, int shift)
{
    spawns_.clear();
    const CSpawnList& spawns = document_.Spawns();
    const int64_t left = int64_t{span.firstColumn} + shift;
    const int64_t right = int64_t{span.lastColumn} + shift;
    const int64_t top = int64_t{span.firstRow} + shift;
    const int64_t bottom = int64_t{span.lastRow} + shift;
    for (size_t i = 0; i < spawns.Size(); ++i) {
        const CSpawn* spawn = spawns.GetSpawn(i);
        const int64_t radius = spawn->GetRadius();
        if (spawn->GetCenterZ() != z || radius < 0) {
            continue;
        }
        if (spawn->GetCenterX() + radius < left || spawn->GetCenterX() - radius > right ||
            spawn->GetCenterY() + radius < top || spawn->GetCenterY() - radius > bottom) {
            continue;
        }
        spawns_.push_back(spawn);
    }
}

void MapDrawer::DrawTile(Surface& surface, const MapViewState& view, const Position& position)
{
    SyncRenderer(view);
    NoteVisibleArea(surface);
    const int shift = view.geometry.FloorShift(position.z);
    const TileSpan one{position.x - shift, position.y - shift, position.x - shift, position.y - shift};
    CollectSpawns(position.z, one, shift);
    DrawTileWith(surface, view, position);
}

bool MapDrawer::IsSelected(const MapViewState& view, const Position& position, const CThing& thing) const
{
    if (view.selectedThing == &thing) {
        return true;
    }
    return view.selection && !view.selection->IsEmpty() && view.selection->Contains(position);
}

ColorRef MapDrawer::GroundTint(const MapViewState& view, const Position& position, const CTile& tile,
                               const CThing& ground) const
{
    if (IsSelected(view, position, ground)) {
        return kTintSelected;
    }
    if (view.geometry.ZoomClass() < 2) {
        return 0;
    }
    if (tile.HasFlags(CTile::kHouseFlag)) {
        return view.selectedHouseId != 0 && tile.GetHouseId() == view.selectedHouseId ? kTintSelectedHouse
                                                                                       : kTintOtherHouse;
    }
    if (tile.IsProtectionZone()) {
        return kTintProtectionZone;
    }
    if (view.showSpawns) {
        for (const CSpawn* spawn : spawns_) {
            if (spawn->Contains(position)) {
                return kTintSpawnArea;
            }
        }
    }
    return 0;
}

bool MapDrawer::DrawAtItemRect(Surface& surface, const MapViewState& view, const Position& position,
                               const CThing& thing, ColorRef tint)
{
    const CItem* item = AsItem(thing);
    if (!item) {
        return false;
    }
    const ItemType& type = document_.Database().GetServerType(item->GetTypeKey());
    const auto rect = view.geometry.ItemRect(position.x, position.y, position.z, type.width, type.height);
    if (!rect || !visibleArea_.Intersects(*rect)) {
        return false;
    }
    drewAnimated_ = drewAnimated_ || type.animationPhases > 1;
    renderer_.DrawThing(surface, thing, rect->right, rect->bottom, static_cast<uint32_t>(view.geometry.ZoomClass()),
                        tint);
    return true;
}

void MapDrawer::DrawTileWith(Surface& surface, const MapViewState& view, const Position& position)
{
    const CTile* tile = document_.GetTile(position);
    if (!tile) {
        return;
    }
    const int zoomClass = view.geometry.ZoomClass();
    const int limit = ThingLimit(zoomClass);
    int counted = 0;
    if (const CItem* ground = tile->GetGround()) {
        DrawAtItemRect(surface, view, position, *ground, GroundTint(view, position, *tile, *ground));
        counted = 1;
    }
    for (auto list : {tile->GetTopItems(), tile->GetOrdinaryItems(), tile->GetHangingItems()}) {
        for (const CItem* item : list) {
            if (counted >= limit) {
                break;
            }
            ++counted;
            DrawAtItemRect(surface, view, position, *item, IsSelected(view, position, *item) ? kTintSelected : 0);
        }
    }
    if (zoomClass < 3) {
        return;
    }
    for (const CSpawn* spawn : spawns_) {
        if (!spawn->Contains(position)) {
            continue;
        }
        if (view.showCreatures) {
            for (size_t i = 0; i < spawn->GetCreatureCount(); ++i) {
                const CCreature* creature = spawn->GetCreature(i);
                if (spawn->GetCenterX() + creature->GetOffsetX() == position.x &&
                    spawn->GetCenterY() + creature->GetOffsetY() == position.y) {
                    const ColorRef tint = IsSelected(view, position, *creature) ? kTintSelected : 0;
                    DrawAtItemRect(surface, view, position, *creature, tint);
                }
            }
        }
        if (view.showSpawns && spawn->GetCenterX() == position.x && spawn->GetCenterY() == position.y) {
            if (const CItem* marker = document_.Spawns().GetMarker()) {
                const ColorRef tint = view.selectedThing == spawn ? kTintSelected : 0;
                DrawAtItemRect(surface, view, position, *marker, tint);
            }
        }
    }
}

void MapDrawer::DrawBrushPreview(Surface& surface, const MapViewState& view)
{
    if (view.tool != CursorTool::PaintBrush) {
        return;
    }
    SyncRenderer(view);
    const int32_t key = document_.currentItemKey;
    const ItemType& type = document_.Database().GetServerType(key);
    const int radius = view.brushRadius;
    const Position& cursor = view.cursor;
    for (int y = cursor.y - radius; y <= cursor.y + radius; ++y) {
        for (int x = cursor.x - radius; x <= cursor.x + radius; ++x) {
            if (auto rect = view.geometry.ItemRect(x, y, cursor.z, type.width, type.height)) {
                renderer_.DrawTypeAt(surface, key, rect->right, rect->bottom,
                                     static_cast<uint32_t>(view.geometry.ZoomClass()), 0);
            }
        }
    }
}

void MapDrawer::DrawCursorFrame(Surface& surface, const MapViewState& view)
{
    int radius = 0;
    if (view.tool == CursorTool::Eraser) {
        radius = view.eraserRadius;
    } else if (view.tool == CursorTool::PaintBrush) {
        radius = view.brushRadius;
    }
    const Position& cursor = view.cursor;
    Rect frame;
    for (int y = cursor.y - radius; y <= cursor.y + radius; ++y) {
        for (int x = cursor.x - radius; x <= cursor.x + radius; ++x) {
            if (auto rect = view.geometry.TileRect(x, y, cursor.z)) {
                frame = frame.Union(*rect);
            }
        }
    }
    if (!frame.IsEmpty()) {
        surface.InvertFrame(surface.ToDevice(frame));
    }
}

std::vector<Rect> MapDrawer::AnimatedRects(const MapViewState& view)
{
    std::vector<Rect> rects;
    const ViewGeometry& geometry = view.geometry;
    Surface mapping;
    geometry.ApplyMapping(mapping, view.scroll);
    const TileSpan span = geometry.VisibleTileSpan(
        mapping.ToLogical(Rect{0, 0, view.clientWidth, view.clientHeight}), document_.width, document_.height);
    const int z = geometry.CurrentFloor();
    // The tiles under the window's columns, with the floor's offset.
    const int shift = geometry.FloorShift(z);
    CollectSpawns(z, span, shift);
    const ItemDatabase& database = document_.Database();
    auto isAnimated = [&database](const CItem& item) {
        return database.GetServerType(item.GetTypeKey()).animationPhases > 1;
    };
    std::vector<const CItem*> things;
    const TileSpan tiles = MapTiles(span, shift);
    for (int column = tiles.firstColumn; column <= tiles.lastColumn; ++column) {
        for (int row = tiles.firstRow; row <= tiles.lastRow; ++row) {
            const Position position{column, row, z};
            const CTile* tile = document_.GetTile(position);
            if (!tile) {
                continue;
            }
            things.clear();
            if (tile->GetGround()) {
                things.push_back(tile->GetGround());
            }
            for (auto list : {tile->GetOrdinaryItems(), tile->GetTopItems(), tile->GetHangingItems()}) {
                things.insert(things.end(), list.begin(), list.end());
            }
            if (view.showCreatures) {
                for (const CSpawn* spawn : spawns_) {
                    if (!spawn->Contains(position)) {
                        continue;
                    }
                    for (size_t i = 0; i < spawn->GetCreatureCount(); ++i) {
                        const CCreature* creature = spawn->GetCreature(i);
                        if (spawn->GetCenterX() + creature->GetOffsetX() == column &&
                            spawn->GetCenterY() + creature->GetOffsetY() == row) {
                            things.push_back(creature);
                        }
                    }
                }
            }
            const size_t examined = std::min<size_t>(things.size(), kAnimationExamineLimit);
            for (size_t i = 0; i < examined; ++i) {
                if (!isAnimated(*things[i])) {
                    continue;
                }
                const ItemType& type = database.GetServerType(things[i]->GetTypeKey());
                if (auto rect = geometry.ItemRect(column, row, z, type.width, type.height)) {
                    rects.push_back(mapping.ToDevice(*rect));
                }
                break;
            }
        }
    }
    return rects;
}

}  // namespace tessark
