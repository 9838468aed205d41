#include "edit/ClipboardCommands.h"

#include <algorithm>

#include "data/ItemDatabase.h"
#include "edit/StrokeBatch.h"
#include "edit/ToolContext.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/ArchiveWriter.h"
#include "platform/MessageSink.h"

namespace tessark {

bool ClipboardCommands::SelectToolActive() const
{
    return context_.CurrentTool() == ToolKind::Select;
}

bool ClipboardCommands::TilesSelectable() const
{
    const ToolKind tool = context_.CurrentTool();
    return (tool == ToolKind::Selection || tool == ToolKind::Move) && !context_.GetSelection().Empty();
}

bool ClipboardCommands::CanCopy() const
{
    if (SelectToolActive()) {
        const ThingAt selected = context_.SelectedThing();
        return selected && selected.thing->IsItem();
    }
    return TilesSelectable();
}

bool ClipboardCommands::CanPaste(const ClipboardOffers& offers) const
{
    if (!context_.Document().IsInsideMap(context_.CursorTile())) {
        return false;
    }
    return offers.tile || (offers.thing && SelectToolActive());
}

bool ClipboardCommands::CanDelete() const
{
    return SelectToolActive() ? static_cast<bool>(context_.SelectedThing()) : TilesSelectable();
}

std::vector<uint8_t> ClipboardCommands::TileBytes(const CTessarkDoc& document,
                                                  std::span<const Position> positions)
{
    ArchiveWriter writer;
    document.SerializeTiles(writer, positions);
    return writer.Bytes();
}

std::vector<uint8_t> ClipboardCommands::ThingBytes(const CItem& item)
{
    ArchiveWriter writer;
    StoreThing(item, writer);
    return writer.Bytes();
}

ToolOutcome ClipboardCommands::CopyInto(MoveMemory* memory)
{
    ToolOutcome outcome;
    if (!CanCopy()) {
        return outcome;
    }
    if (SelectToolActive()) {
        const CItem& item = static_cast<const CItem&>(*context_.SelectedThing().thing);
        outcome.clipboard = ClipboardBytes{ClipFormat::Thing, ThingBytes(item)};
        if (memory) {
            memory->RememberThing(outcome.clipboard->bytes, item);
        }
    } else {
        const std::span<const Position> positions = context_.GetSelection().Positions();
        outcome.clipboard = ClipboardBytes{ClipFormat::Tile, TileBytes(context_.Document(), positions)};
        if (memory) {
            memory->RememberTiles(outcome.clipboard->bytes, context_.Document(), positions);
        }
    }
    return outcome;
}

ToolOutcome ClipboardCommands::Copy() { return CopyInto(nullptr); }

ToolOutcome ClipboardCommands::Cut()
{
    ToolOutcome outcome = CopyInto(&cutMemory_);
    if (!outcome.clipboard) {
        return outcome;
    }
    ToolOutcome deleted = Delete();
    outcome.changed.Merge(deleted.changed);
    outcome.repaintView = outcome.repaintView || deleted.repaintView;
    return outcome;
}

ToolOutcome ClipboardCommands::Delete()
{
    ToolOutcome outcome;
    if (!CanDelete()) {
        return outcome;
    }
    CTessarkDoc& document = context_.Document();
    if (SelectToolActive()) {
        const ThingAt selected = context_.SelectedThing();
        context_.ClearSelectedThing(outcome);
        StrokeBatch batch(document);
        document.RemoveThing(selected.thing, selected.position.x, selected.position.y,
                             selected.position.z);
        outcome.changed.Merge(batch.Changed());
        return outcome;
    }
    DeleteTiles(outcome);
    return outcome;
}

void ClipboardCommands::DeleteTiles(ToolOutcome& outcome)
{
    CTessarkDoc& document = context_.Document();
    Selection& selection = context_.GetSelection();
    for (const Position& position : selection.Positions()) {
        // Whatever stood there, as far as its largest item reached.
        int width = 1;
        int height = 1;
        if (const CTile* tile = document.GetTile(position)) {
            for (size_t i = 0; i < tile->GetThingCount(); ++i) {
                const ItemType& type = tile->GetThing(i)->GetServerType(document.Database());
                width = std::max<int>(width, type.width);
                height = std::max<int>(height, type.height);
            }
        }
        outcome.changed.Add(position, width, height, true);
        document.RemoveTile(position.x, position.y, position.z);
    }
    selection.Clear();
}

ToolOutcome ClipboardCommands::Paste(const ClipboardContents& contents)
{
    ToolOutcome outcome;
    if (!context_.Document().IsInsideMap(context_.CursorTile())) {
        return outcome;
    }
    if (SelectToolActive()) {
        if (contents.thing) {
            PasteThing(*contents.thing, outcome);
        }
    } else if (contents.tile) {
        PasteTiles(*contents.tile, context_.CursorTile(), &cutMemory_, outcome);
    }
    return outcome;
}

void ClipboardCommands::PasteThing(std::span<const uint8_t> bytes, ToolOutcome& outcome)
{
    CTessarkDoc& document = context_.Document();
    ArchiveReader reader(bytes);
    std::unique_ptr<CItem> item = LoadThing(document.Database(), reader);
    if (!item) {
        ShowBadBlock(reader.Error());
        outcome.failed = true;
        return;
    }
    const bool isCreature = item->Kind() == ThingKind::Creature;
    // A creature may find no spawn to take it; its id would then be counted for nothing.
    if (!isCreature) {
        cutMemory_.RestoreThing(bytes, *item, document.UniqueIds());
    }
    const uint32_t uniqueId = item->GetUniqueId();
    const Position cursor = context_.CursorTile();
    context_.AddThingArea(*item, cursor, outcome);
    StrokeBatch batch(document);
    document.AddThing(std::move(item), cursor.x, cursor.y, cursor.z, false);
    document.UniqueIds().Register(uniqueId);
    outcome.changed.Merge(batch.Changed());
    if (isCreature) {
        outcome.repaintView = true;
    }
}

bool ClipboardCommands::PasteTiles(std::span<const uint8_t> bytes, const Position& origin,
                                   MoveMemory* memory, ToolOutcome& outcome)
{
    CTessarkDoc& document = context_.Document();
    ArchiveReader reader(bytes);
    std::vector<Position> offsets;
    // Read whole before anything on the map changes.
    if (!document.SerializeTiles(reader, offsets)) {
        ShowBadBlock(reader.Error());
        outcome.failed = true;
        return false;
    }
    Selection& selection = context_.GetSelection();
    for (const Position& position : selection.Positions()) {
        outcome.changed.Add(position, 1, 1, false);
    }
    selection.Clear();
    if (memory) {
        memory->RestoreTiles(bytes, document.GetCopyBuffer(), document.UniqueIds());
    }
    {
        // The document's hints select the placed tiles (the controller listens).
        StrokeBatch batch(document);
        document.PasteCopyBuffer(origin);
        outcome.changed.Merge(batch.Changed());
    }
    document.ClearCopyBuffer();
    return true;
}

std::string ClipboardCommands::BadBlockText(ArchiveError error)
{
    switch (error) {
    case ArchiveError::EndOfFile:
        return "The pasted data ends early; nothing was pasted.";
    case ArchiveError::BadClass:
        return "The pasted data names an item type that does not exist; nothing was pasted.";
    case ArchiveError::None:
    case ArchiveError::BadData:
        break;
    }
    return "The pasted data is damaged; nothing was pasted.";
}

void ClipboardCommands::ShowBadBlock(ArchiveError error) const
{
    context_.Document().Messages().ShowMessage(BadBlockText(error), MessageIcon::Error);
}

}  // namespace tessark
