#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "edit/MoveMemory.h"
#include "edit/ToolOutcome.h"
#include "platform/Rect.h"

namespace tessark {

class ClipboardCommands;
class ToolContext;
class ViewGeometry;

// What a drop over the view would do.
enum class DropEffect { None, Copy, Move };

// The move tool's drag and drop, both ends of it. The bytes are the tile format followed by the
// drag offset (two i32, window pixels from the mouse at the start to the top-left corner of the
// selection's extent). The source remembers the unique ids it sends, so that a move within this
// map keeps them; a copy, or a drop in another editor, gets none.
class TileDrag {
public:
    TileDrag(ToolContext& context, ClipboardCommands& clipboard);

    // --- Source.
    // The offset from the mouse (window pixels) to the top-left corner of the extent of the
    // selection (the tile rectangles of its first and last position in z, y, x order).
    static Point DragOffset(const ToolContext& context, const ViewGeometry& geometry, Point scroll,
                            Point mouse);
    // The drag bytes of the selection; this document becomes the drag source.
    std::vector<uint8_t> Start(Point dragOffset);
    // The drag ended with that effect: a move that was not dropped in this document removes the
    // selected tiles here.
    ToolOutcome Finish(DropEffect result);
    bool IsSource() const { return source_; }

    // --- Target.
    // A drag came in: false (refuse it) when its bytes cannot be read whole.
    bool Enter(std::span<const uint8_t> bytes);
    bool Entered() const { return entered_; }
    // The effect a drop on the cursor tile would have: none outside the map, else copy with
    // Ctrl, move without.
    DropEffect Over(bool ctrl) const;
    // The feedback rectangle (window pixels) for the mouse position: the bounding box of the
    // carried positions, tilePixels per tile, centred on the mouse plus the drag offset.
    Rect Feedback(Point mouse, int tilePixels) const;
    // Drops the carried tiles with their anchor on the cursor tile; they become the selection.
    ToolOutcome Drop(DropEffect effect);
    // The drag left without a drop.
    void Leave();

private:
    ToolContext& context_;
    ClipboardCommands& clipboard_;
    bool source_ = false;
    bool droppedHere_ = false;
    MoveMemory sent_;
    bool entered_ = false;
    std::vector<uint8_t> entering_;
    std::vector<Position> offsets_;
    Point dragOffset_;
};

}  // namespace tessark
