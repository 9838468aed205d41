#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "edit/ClipboardFormat.h"
#include "edit/MoveMemory.h"
#include "edit/ToolOutcome.h"
#include "platform/ArchiveReader.h"

namespace tessark {

class ToolContext;

// Cut, Copy, Paste and Delete of the map view. With the select tool they work on the chosen
// thing (the TESSARK_THING format), with the selection and move tools on the selected tiles
// (TESSARK_TILE). Bytes leave through the outcome's clipboard field and come in as the
// clipboard's contents; nothing here knows the system clipboard.
class ClipboardCommands {
public:
    explicit ClipboardCommands(ToolContext& context) : context_(context) {}

    // Cut and Copy: an item chosen with the select tool, or selected tiles with the selection or
    // move tool.
    bool CanCopy() const;
    // The cursor is inside the map and the clipboard offers tiles, or a thing while the select
    // tool is active.
    bool CanPaste(const ClipboardOffers& offers) const;
    // A thing chosen with the select tool, or selected tiles with the selection or move tool.
    bool CanDelete() const;

    ToolOutcome Copy();
    // Copy, then Delete; the document remembers the unique ids that left for the paste that
    // puts the block back.
    ToolOutcome Cut();
    ToolOutcome Delete();
    // Removes the tiles at every selected position and empties the selection.
    void DeleteTiles(ToolOutcome& outcome);
    // With the select tool a thing at the cursor tile, else tiles around it (they become the
    // selection). A block that cannot be read whole changes nothing and shows why.
    ToolOutcome Paste(const ClipboardContents& contents);

    // The bytes of the tile format for the positions, and of the thing format for an item.
    static std::vector<uint8_t> TileBytes(const CTessarkDoc& document, std::span<const Position> positions);
    static std::vector<uint8_t> ThingBytes(const CItem& item);
    // Tiles read from a block and placed with their anchor on origin; the placed positions join
    // the selection. False (and the message shown) when the block is bad; then nothing changed.
    bool PasteTiles(std::span<const uint8_t> bytes, const Position& origin, MoveMemory* memory,
                    ToolOutcome& outcome);
    // The message shown when a block cannot be read.
    static std::string BadBlockText(ArchiveError error);

private:
    bool SelectToolActive() const;
    bool TilesSelectable() const;
    ToolOutcome CopyInto(MoveMemory* memory);
    void PasteThing(std::span<const uint8_t> bytes, ToolOutcome& outcome);
    void ShowBadBlock(ArchiveError error) const;

    ToolContext& context_;
    // What the last Cut took out of this map.
    MoveMemory cutMemory_;
};

}  // namespace tessark
