#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "edit/ChangedArea.h"
#include "edit/ClipboardFormat.h"
#include "model/Position.h"

namespace tessark {

enum class MouseCapture { Unchanged, Capture, Release };

// What one input or command did, for the window to show: what to repaint, which windows to
// open or refresh. The engine has already changed the map; the window only follows.
struct ToolOutcome {
    // Map tiles to repaint (and minimap pixels); after a stroke, once.
    ChangedArea changed;
    // The whole view.
    bool repaintView = false;
    // Scroll to this tile when it is off-screen (where an undo or redo changed the map).
    std::optional<Position> reveal;
    // The map's size may have changed: the scroll range follows.
    bool mapSettingsChanged = false;
    // The house tints changed: repaint when they are drawn (zoom class 2 or more).
    bool houseTintsChanged = false;
    // The active tool changed: update the tool checks and the cursor frame.
    bool toolChanged = false;
    // The house status text may read differently now.
    bool houseStatusChanged = false;
    // The cursor tile changed; this is where it was.
    std::optional<Position> previousCursor;
    MouseCapture capture = MouseCapture::Unchanged;
    // Refresh the item information window (the chosen thing or the brush type changed).
    bool refreshItemInfo = false;
    // Open the properties of the chosen thing.
    bool openProperties = false;
    // Open the houses dialog with this house preselected (0: none); OK marks the map modified.
    std::optional<uint32_t> openHousesDialog;
    // Show this type key in the palette.
    std::optional<int32_t> showTypeInPalette;
    // Bytes to put on the clipboard in their format, replacing what it holds.
    std::optional<ClipboardBytes> clipboard;
    // The command could not be carried out; its message has been shown.
    bool failed = false;
    // The move tool was pressed on the selection: start dragging it.
    bool startDrag = false;
    // The selection tool was dragged: track a rubber band from the press.
    bool startRubberBand = false;

    bool NeedsRepaint() const { return repaintView || !changed.Empty(); }
};

}  // namespace tessark
