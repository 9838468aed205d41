#include "edit/UndoStack.h"

#include <algorithm>
#include <utility>

#include "data/ItemDatabase.h"
#include "model/DepotItem.h"
#include "model/TeleportItem.h"
#include "model/TessarkDoc.h"

namespace tessark {
namespace {

constexpr const char* kImplicitStepName = "Edit";

uint64_t PositionKey(const Position& position)
{
    return (uint64_t{static_cast<uint16_t>(position.x)}) |
           (uint64_t{static_cast<uint16_t>(position.y)} << 16) |
           (uint64_t{static_cast<uint8_t>(position.z)} << 32);
}

// How far up and left the tile's largest thing is drawn.
void GrowReach(const CTile* tile, const ItemDatabase& database, int& width, int& height)
{
    for (size_t i = 0; tile && i < tile->GetThingCount(); ++i) {
        const ItemType& type = tile->GetThing(i)->GetServerType(database);
        width = std::max<int>(width, type.width);
        height = std::max<int>(height, type.height);
    }
}

bool SameItem(const CItem& a, const CItem& b)
{
    if (a.Kind() != b.Kind() || a.GetTypeKey() != b.GetTypeKey() || a.GetCount() != b.GetCount() ||
        a.GetActionId() != b.GetActionId() || a.GetUniqueId() != b.GetUniqueId() ||
        a.GetText() != b.GetText() || a.GetSpecialDescription() != b.GetSpecialDescription()) {
        return false;
    }
    if (a.Kind() == ThingKind::Teleport) {
        const auto& ta = static_cast<const CTeleportItem&>(a);
        const auto& tb = static_cast<const CTeleportItem&>(b);
        return ta.GetDestX() == tb.GetDestX() && ta.GetDestY() == tb.GetDestY() &&
               ta.GetDestZ() == tb.GetDestZ();
    }
    if (a.Kind() == ThingKind::Depot) {
        return static_cast<const CDepotItem&>(a).GetDepotId() ==
               static_cast<const CDepotItem&>(b).GetDepotId();
    }
    return true;
}

// Same contents in the same lists and order.
bool SameTile(const CTile* a, const CTile* b)
{
    if (!a || !b) {
        return a == b;
    }
    if (a->GetFlags() != b->GetFlags() || a->GetHouseId() != b->GetHouseId() ||
        a->GetThingCount() != b->GetThingCount() || !a->GetGround() != !b->GetGround() ||
        a->GetTopItems().size() != b->GetTopItems().size() ||
        a->GetHangingItems().size() != b->GetHangingItems().size()) {
        return false;
    }
    for (size_t i = 0; i < a->GetThingCount(); ++i) {
        if (!SameItem(*a->GetThing(i), *b->GetThing(i))) {
            return false;
        }
    }
    return true;
}

bool IsHouseTile(const CTile* tile) { return tile && tile->HasFlags(CTile::kHouseFlag); }

}  // namespace

UndoStack::UndoStack(CTessarkDoc& document)
    : document_(document), known_(MapStateSnapshot::Capture(document))
{
    document_.SetEditRecorder(this);
}

UndoStack::~UndoStack()
{
    if (document_.GetEditRecorder() == this) {
        document_.SetEditRecorder(nullptr);
    }
}

std::string UndoStack::UndoName() const
{
    if (implicitOpen_ || depth_ > 0) {
        return current_.name;
    }
    return index_ > 0 ? steps_[index_ - 1].name : std::string();
}

std::string UndoStack::RedoName() const
{
    return CanRedo() ? steps_[index_].name : std::string();
}

bool UndoStack::IsClean() const
{
    return clean_ == index_ && depth_ == 0 && !implicitOpen_;
}

void UndoStack::Clear()
{
    ++revision_;
    steps_.clear();
    index_ = 0;
    clean_ = 0;
    bytes_ = 0;
    depth_ = 0;
    implicitOpen_ = false;
    current_ = {};
    noted_.clear();
    known_ = MapStateSnapshot::Capture(document_);
}

void UndoStack::SetBudget(size_t bytes)
{
    budget_ = bytes;
    while (bytes_ > budget_ && steps_.size() > 1 && index_ > 0) {
        bytes_ -= steps_.front().bytes;
        steps_.pop_front();
        --index_;
        clean_ = clean_ == 0 || clean_ == kNoClean ? kNoClean : clean_ - 1;
    }
}

void UndoStack::BeginStep(std::string_view name)
{
    if (implicitOpen_) {
        implicitOpen_ = false;
        Close();
    }
    if (depth_++ == 0) {
        Open(name);
    }
}

void UndoStack::EndStep()
{
    if (depth_ > 0 && --depth_ == 0) {
        Close();
    }
}

void UndoStack::BeforeTileChange(const Position& position)
{
    ++revision_;
    if (depth_ == 0 && !implicitOpen_) {
        implicitOpen_ = true;
        Open(kImplicitStepName);
    }
    if (!noted_.insert(PositionKey(position)).second) {
        return;
    }
    const CTile* tile = document_.GetTile(position);
    current_.tiles.push_back({position, tile ? tile->Clone() : nullptr, nullptr});
}

void UndoStack::MarkedModified()
{
    ++revision_;
    if (depth_ == 0 && !implicitOpen_) {
        // The map changed in a way no step holds: no undo leads back to the saved state.
        clean_ = kNoClean;
    }
}

void UndoStack::Saved()
{
    CloseOpenSteps();
    clean_ = index_;
    FollowModifiedFlag();
}

void UndoStack::Reset() { Clear(); }

void UndoStack::Open(std::string_view name)
{
    current_ = {};
    current_.name = name;
    noted_.clear();
    modifiedAtOpen_ = document_.IsModified();
}

void UndoStack::Close()
{
    Step step = std::move(current_);
    current_ = {};
    noted_.clear();
    std::erase_if(step.tiles, [this](TileChange& change) {
        const CTile* now = document_.GetTile(change.position);
        if (SameTile(change.before.get(), now)) {
            return true;
        }
        change.after = now ? now->Clone() : nullptr;
        return false;
    });
    MapStateSnapshot now = MapStateSnapshot::Capture(document_);
    step.before = std::move(known_);
    step.after = now;
    known_ = std::move(now);
    MapStateSnapshot::KeepDifferences(step.before, step.after);
    if (step.tiles.empty() && step.before.Empty()) {
        // Nothing recorded changed. A flag set meanwhile may stand for a change made behind the
        // document's back, so it stays and the saved state counts as out of reach.
        if (!modifiedAtOpen_ && document_.IsModified()) {
            clean_ = kNoClean;
        }
        return;
    }
    step.changesMap = !step.tiles.empty() || MapStateSnapshot::ChangesMap(step.before, step.after);
    step.bytes = sizeof(Step) + step.name.size() + step.before.MemoryBytes() +
                 step.after.MemoryBytes();
    for (const TileChange& change : step.tiles) {
        step.bytes += sizeof(TileChange) + TileBytes(change.before.get()) +
                      TileBytes(change.after.get());
    }
    Push(std::move(step));
}

void UndoStack::CloseOpenSteps()
{
    if (depth_ > 0 || implicitOpen_) {
        depth_ = 0;
        implicitOpen_ = false;
        Close();
    }
}

void UndoStack::Push(Step step)
{
    while (steps_.size() > index_) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    if (clean_ != kNoClean && clean_ > index_) {
        clean_ = kNoClean;
    }
    bytes_ += step.bytes;
    steps_.push_back(std::move(step));
    ++index_;
    SetBudget(budget_);
    FollowModifiedFlag();
}

std::optional<UndoStack::Result> UndoStack::Undo()
{
    CloseOpenSteps();
    if (index_ == 0) {
        return std::nullopt;
    }
    Result result;
    ++revision_;
    Apply(steps_[index_ - 1], false, result);
    --index_;
    FollowModifiedFlag();
    return result;
}

std::optional<UndoStack::Result> UndoStack::Redo()
{
    CloseOpenSteps();
    if (index_ >= steps_.size()) {
        return std::nullopt;
    }
    Result result;
    ++revision_;
    Apply(steps_[index_], true, result);
    ++index_;
    FollowModifiedFlag();
    return result;
}

void UndoStack::Apply(const Step& step, bool forward, Result& result)
{
    const MapStateSnapshot& state = forward ? step.after : step.before;
    state.Restore(document_);
    const ItemDatabase& database = document_.Database();
    for (const TileChange& change : step.tiles) {
        const CTile* tile = forward ? change.after.get() : change.before.get();
        int width = 1;
        int height = 1;
        GrowReach(change.before.get(), database, width, height);
        GrowReach(change.after.get(), database, width, height);
        result.changed.Add(change.position, width, height, true);
        result.housesChanged = result.housesChanged || IsHouseTile(change.before.get()) ||
                               IsHouseTile(change.after.get());
        document_.RestoreTile(change.position, tile ? tile->Clone() : nullptr);
    }
    state.RestoreUniqueIds(document_);
    if (!step.tiles.empty()) {
        result.focus = step.tiles.front().position;
    }
    if (state.spawns || state.settings) {
        result.changed.MarkEverything();
    }
    result.housesChanged = result.housesChanged || state.houses.has_value();
    result.settingsChanged = state.settings.has_value();
    known_ = MapStateSnapshot::Capture(document_);
}

void UndoStack::FollowModifiedFlag()
{
    bool modified = clean_ == kNoClean;
    if (!modified) {
        const size_t from = std::min(clean_, index_);
        const size_t to = std::max(clean_, index_);
        for (size_t i = from; i < to && !modified; ++i) {
            modified = steps_[i].changesMap;
        }
    }
    document_.RestoreModifiedFlag(modified);
}

size_t UndoStack::TileBytes(const CTile* tile)
{
    if (!tile) {
        return 0;
    }
    // The tile, its item array when it holds more than one item, and each item with the
    // allocator's overhead.
    constexpr size_t kAllocation = 16;
    const size_t things = tile->GetThingCount();
    size_t bytes = sizeof(CTile) + kAllocation;
    if (things > 2) {
        bytes += things * sizeof(CItem*) + kAllocation;
    }
    for (size_t i = 0; i < things; ++i) {
        const CItem& item = *tile->GetThing(i);
        bytes += sizeof(CItem) + kAllocation;
        if (item.GetActionId() != 0 || item.GetUniqueId() != 0 || !item.GetText().empty() ||
            !item.GetSpecialDescription().empty()) {
            bytes += 2 * sizeof(std::string) + 8 + kAllocation + item.GetText().size() +
                     item.GetSpecialDescription().size();
        }
    }
    return bytes;
}

}  // namespace tessark
