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

const CItem* AsItem(const CThing& thing)
{
    return thing.IsItem() ? static_cast<const CItem*>(&thing) : nullptr;
}

}  // namespace

uint16_t AnimationCounterFromMilliseconds(int milliseconds)
{
    return static_cast<uint16_t>(static_cast<int64_t>(milliseconds * 0.001 * 86400));
}

MapDrawer::MapDrawer(CTessarkDoc& document, SpriteRenderer& renderer) : document_(document), renderer_(renderer) {}

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
    const ViewGeometry& geometry = view.geometry;
    const TileSpan span = Span(surface, view);
    for (int z = geometry.FirstFloor(); z >= geometry.LastFloor(); z += geometry.FloorStep()) {
        const int shift = geometry.FloorShift(z);
        CollectSpawns(z, span, shift);
        // Negative columns would wrap around in the tile store; they are never on screen.
        const int firstColumn = std::max(span.firstColumn + shift, 0);
        const int firstRow = std::max(span.firstRow + shift, 0);
        for (int column = firstColumn; column <= span.lastColumn + shift; ++column) {
            for (int row = firstRow; row <= span.lastRow + shift; ++row) {
                DrawTileWith(surface, view, {column, row, z});
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
                               const CThing& thing, ColorRef tint, bool testVisible)
{
    const CItem* item = AsItem(thing);
    if (!item) {
        return false;
    }
    const ItemType& type = document_.Database().GetServerType(item->GetTypeKey());
    const auto rect = view.geometry.ItemRect(position.x, position.y, position.z, type.width, type.height);
    if (!rect || (testVisible && !surface.IsVisible(surface.ToDevice(*rect)))) {
        return false;
    }
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
        DrawAtItemRect(surface, view, position, *ground, GroundTint(view, position, *tile, *ground), true);
        counted = 1;
    }
    for (auto list : {tile->GetTopItems(), tile->GetOrdinaryItems(), tile->GetHangingItems()}) {
        for (const CItem* item : list) {
            if (counted >= limit) {
                break;
            }
            ++counted;
            DrawAtItemRect(surface, view, position, *item, IsSelected(view, position, *item) ? kTintSelected : 0, true);
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
                    DrawAtItemRect(surface, view, position, *creature, tint, true);
                }
            }
        }
        if (view.showSpawns && spawn->GetCenterX() == position.x && spawn->GetCenterY() == position.y) {
            if (const CItem* marker = document_.Spawns().GetMarker()) {
                const ColorRef tint = view.selectedThing == spawn ? kTintSelected : 0;
                DrawAtItemRect(surface, view, position, *marker, tint, true);
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
    for (int column = std::max(span.firstColumn + shift, 0); column <= span.lastColumn + shift; ++column) {
        for (int row = std::max(span.firstRow + shift, 0); row <= span.lastRow + shift; ++row) {
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
