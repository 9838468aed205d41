#include "edit/TileDrag.h"

#include <algorithm>

#include "edit/ClipboardCommands.h"
#include "edit/ToolContext.h"
#include "model/EditStep.h"
#include "model/TessarkDoc.h"
#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"
#include "render/ViewGeometry.h"

namespace tessark {

TileDrag::TileDrag(ToolContext& context, ClipboardCommands& clipboard)
    : context_(context), clipboard_(clipboard)
{
}

Point TileDrag::DragOffset(const ToolContext& context, const ViewGeometry& geometry, Point scroll,
                           Point mouse)
{
    const std::span<const Position> positions = context.GetSelection().Positions();
    if (positions.empty()) {
        return {};
    }
    const auto [first, last] = std::minmax_element(positions.begin(), positions.end(), PositionZyxLess());
    const std::optional<Rect> a = geometry.TileRect(first->x, first->y, first->z);
    const std::optional<Rect> b = geometry.TileRect(last->x, last->y, last->z);
    const Rect extent = a && b ? a->Union(*b) : a ? *a : b ? *b : Rect{};
    const Rect client = geometry.DrawingToClient(extent, scroll);
    return {client.left - mouse.x, client.top - mouse.y};
}

std::vector<uint8_t> TileDrag::Start(Point dragOffset)
{
    const std::span<const Position> positions = context_.GetSelection().Positions();
    ArchiveWriter writer;
    context_.Document().SerializeTiles(writer, positions);
    writer.WriteI32(dragOffset.x);
    writer.WriteI32(dragOffset.y);
    sent_.RememberTiles(writer.Bytes(), context_.Document(), positions);
    source_ = true;
    droppedHere_ = false;
    return writer.Bytes();
}

ToolOutcome TileDrag::Finish(DropEffect result)
{
    ToolOutcome outcome;
    if (source_ && !droppedHere_ && result == DropEffect::Move) {
        // The tiles went to another map: taking them away here is this map's own step.
        EditStep step(context_.Document(), "Move");
        clipboard_.DeleteTiles(outcome);
    }
    source_ = false;
    droppedHere_ = false;
    sent_.Forget();
    return outcome;
}

bool TileDrag::Enter(std::span<const uint8_t> bytes)
{
    Leave();
    ArchiveReader reader(bytes);
    if (!context_.Document().SerializeTiles(reader, offsets_) || !reader.ReadI32(dragOffset_.x) ||
        !reader.ReadI32(dragOffset_.y)) {
        Leave();
        return false;
    }
    entering_.assign(bytes.begin(), bytes.end());
    entered_ = true;
    return true;
}

DropEffect TileDrag::Over(bool ctrl) const
{
    if (!entered_ || !context_.Document().IsInsideMap(context_.CursorTile())) {
        return DropEffect::None;
    }
    return ctrl ? DropEffect::Copy : DropEffect::Move;
}

Rect TileDrag::Feedback(Point mouse, int tilePixels) const
{
    if (!entered_ || offsets_.empty()) {
        return {};
    }
    int64_t minX = offsets_.front().x;
    int64_t maxX = minX;
    int64_t minY = offsets_.front().y;
    int64_t maxY = minY;
    for (const Position& offset : offsets_) {
        minX = std::min<int64_t>(minX, offset.x);
        maxX = std::max<int64_t>(maxX, offset.x);
        minY = std::min<int64_t>(minY, offset.y);
        maxY = std::max<int64_t>(maxY, offset.y);
    }
    // Offsets from another program may be anything: the rectangle stays within reach of the
    // window's coordinates.
    constexpr int64_t kLimit = 1 << 24;
    const int64_t width = std::min((maxX - minX + 1) * tilePixels, kLimit);
    const int64_t height = std::min((maxY - minY + 1) * tilePixels, kLimit);
    const int64_t centerX = std::clamp<int64_t>(int64_t{mouse.x} + dragOffset_.x, -kLimit, kLimit);
    const int64_t centerY = std::clamp<int64_t>(int64_t{mouse.y} + dragOffset_.y, -kLimit, kLimit);
    const int64_t left = centerX - width / 2;
    const int64_t top = centerY - height / 2;
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width),
            static_cast<int>(top + height)};
}

ToolOutcome TileDrag::Drop(DropEffect effect)
{
    ToolOutcome outcome;
    if (!entered_ || effect == DropEffect::None) {
        Leave();
        return outcome;
    }
    const std::vector<uint8_t> bytes = std::move(entering_);
    Leave();
    const bool moveHere = effect == DropEffect::Move && source_;
    droppedHere_ = source_;
    EditStep step(context_.Document(), effect == DropEffect::Move ? "Move" : "Drop");
    if (moveHere) {
        clipboard_.DeleteTiles(outcome);
    }
    // Read again: the tiles just deleted may have stood where the carried ones go.
    clipboard_.PasteTiles(bytes, context_.CursorTile(), moveHere ? &sent_ : nullptr, outcome);
    return outcome;
}

void TileDrag::Leave()
{
    context_.Document().ClearCopyBuffer();
    offsets_.clear();
    entering_.clear();
    entered_ = false;
}

}  // namespace tessark
