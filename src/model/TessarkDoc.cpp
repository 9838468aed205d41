#include "model/TessarkDoc.h"

#include <algorithm>
#include <new>
#include <utility>

#include "data/ItemDatabase.h"
#include "model/Creature.h"
#include "model/EditRecorder.h"
#include "model/LoadError.h"
#include "model/MapFormat.h"
#include "model/MapPath.h"
#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"
#include "platform/MessageSink.h"

namespace tessark {

namespace {

// Offsets and targets wrap instead of overflowing: they come from clipboard data.
int32_t WrappingAdd(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t WrappingSubtract(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

}  // namespace

CTessarkDoc::CTessarkDoc(ItemDatabase& database, MessageSink& messages)
    : database_(database), messages_(messages), spawns_(database)
{
}

CTessarkDoc::~CTessarkDoc()
{
    // Houses point at tiles: they let go first.
    houses_.ClearHouses();
    ClearCopyBuffer();
}

void CTessarkDoc::AddViewHintListener(ViewHintListener& listener)
{
    if (std::find(listeners_.begin(), listeners_.end(), &listener) == listeners_.end()) {
        listeners_.push_back(&listener);
    }
}

void CTessarkDoc::RemoveViewHintListener(ViewHintListener& listener)
{
    std::erase(listeners_, &listener);
}

void CTessarkDoc::UpdateAllViews(const ViewHint& hint)
{
    // A copy, so that a listener may unregister itself while it is told.
    const std::vector<ViewHintListener*> listeners = listeners_;
    for (ViewHintListener* listener : listeners) {
        listener->OnViewHint(hint);
    }
}

void CTessarkDoc::BeginStep(std::string_view name)
{
    if (recorder_) {
        recorder_->BeginStep(name);
    }
}

void CTessarkDoc::EndStep()
{
    if (recorder_) {
        recorder_->EndStep();
    }
}

void CTessarkDoc::NoteTileChange(const Position& position)
{
    if (recorder_ && FloorIndex(position.z) >= 0) {
        recorder_->BeforeTileChange(position);
    }
}

void CTessarkDoc::NoteHouseTiles(uint32_t houseId)
{
    if (!recorder_) {
        return;
    }
    // Tiles do not know their positions: the map is searched, which only a dialog does.
    std::vector<Position> positions;
    for (int floor = 0; floor < kFloorCount; ++floor) {
        tiles_.ForEachTile(floor, [&](uint32_t key, const CTile& tile) {
            if (tile.HasFlags(CTile::kHouseFlag) && tile.GetHouseId() == houseId) {
                int32_t x = 0;
                int32_t y = 0;
                SplitTileKey(key, x, y);
                positions.push_back({x, y, floor});
            }
        });
    }
    for (const Position& position : positions) {
        recorder_->BeforeTileChange(position);
    }
}

void CTessarkDoc::SetModifiedFlag(bool modified)
{
    modified_ = modified;
    if (!recorder_) {
        return;
    }
    // Cleared, the flag says that the map as it is now is the saved one.
    if (modified) {
        recorder_->MarkedModified();
    } else {
        recorder_->Saved();
    }
}

void CTessarkDoc::RestoreTile(const Position& position, std::unique_ptr<CTile> tile)
{
    if (FloorIndex(position.z) < 0) {
        return;
    }
    DestroyTile(tiles_.Take(position.x, position.y, position.z));
    if (!tile) {
        return;
    }
    CTile* placed = tiles_.Put(position.x, position.y, position.z, std::move(tile));
    for (size_t i = 0; i < placed->GetThingCount(); ++i) {
        uniqueIds_.Register(placed->GetThing(i)->GetUniqueId());
    }
    if (placed->HasFlags(CTile::kHouseFlag)) {
        if (House* house = houses_.FindHouse(placed->GetHouseId())) {
            const uint32_t flags = placed->GetFlags();
            house->AddTile(placed);
            placed->SetFlags(flags);
        }
    }
}

CTile* CTessarkDoc::SetTile(std::unique_ptr<CTile> tile, int32_t x, int32_t y, int32_t z)
{
    if (FloorIndex(z) < 0) {
        return nullptr;
    }
    NoteTileChange({x, y, z});
    CTile* stored = StoreTile(std::move(tile), x, y, z);
    SetModifiedFlag(true);
    return stored;
}

void CTessarkDoc::RemoveTile(int32_t x, int32_t y, int32_t z)
{
    if (FloorIndex(z) < 0) {
        return;
    }
    NoteTileChange({x, y, z});
    DestroyTile(tiles_.Take(x, y, z));
    SetModifiedFlag(true);
}

CTile* CTessarkDoc::StoreTile(std::unique_ptr<CTile> tile, int32_t x, int32_t y, int32_t z)
{
    if (FloorIndex(z) < 0 || !tile) {
        return nullptr;
    }
    std::unique_ptr<CTile> replaced;
    CTile* stored = tiles_.Put(x, y, z, std::move(tile), &replaced);
    DestroyTile(std::move(replaced));
    return stored;
}

void CTessarkDoc::DestroyTile(std::unique_ptr<CTile> tile)
{
    if (!tile) {
        return;
    }
    // A house must not keep pointing at a tile that is gone, nor the map count its items' ids.
    houses_.ForgetTile(tile.get());
    for (size_t i = 0; i < tile->GetThingCount(); ++i) {
        uniqueIds_.Unregister(tile->GetThing(i)->GetUniqueId());
    }
}

void CTessarkDoc::AddThing(std::unique_ptr<CThing> thing, int32_t x, int32_t y, int32_t z,
                           bool replace)
{
    if (!thing) {
        return;
    }
    if (thing->Kind() == ThingKind::Creature) {
        std::unique_ptr<CCreature> creature(static_cast<CCreature*>(thing.release()));
        if (!database_.GetType(creature->GetTypeKey())) {
            return;
        }
        const Position position{x, y, z};
        CSpawn* spawn = spawns_.FindSpawnAt(position);
        if (spawn && spawn->AddCreature(creature, position)) {
            SetModifiedFlag(true);
            UpdateAllViews({ViewHintKind::All});
        }
        return;  // a creature that was not taken is destroyed here
    }
    if (!thing->IsItem()) {
        return;
    }
    std::unique_ptr<CItem> item(static_cast<CItem*>(thing.release()));
    const int32_t typeKey = item->GetTypeKey();
    const bool isGround = item->IsGround(database_);
    NoteTileChange({x, y, z});

    if (CTile* tile = GetTile(x, y, z)) {
        const int32_t oldGroundKey = tile->GetGround() ? tile->GetGround()->GetTypeKey() : -1;
        tile->AddThing(database_, std::move(item), replace);
        if (isGround && oldGroundKey >= 0) {
            UpdateAllViews({ViewHintKind::Ground, x, y, z, oldGroundKey});
        }
    } else {
        CTile* created = tiles_.Put(x, y, z, std::make_unique<CTile>());
        if (!created) {
            return;  // no such floor: the item is destroyed
        }
        created->AddThing(database_, std::move(item), false);
    }
    SetModifiedFlag(true);
    UpdateAllViews({ViewHintKind::Thing, x, y, z, typeKey});
}

void CTessarkDoc::RemoveThing(CThing* thing, int32_t x, int32_t y, int32_t z)
{
    if (!thing) {
        return;
    }
    switch (thing->Kind()) {
    case ThingKind::Creature:
        for (size_t i = 0; i < spawns_.Size(); ++i) {
            if (spawns_.GetSpawn(i)->RemoveCreature(thing)) {
                break;
            }
        }
        SetModifiedFlag(true);
        UpdateAllViews({ViewHintKind::All});
        return;
    case ThingKind::Spawn:
        spawns_.RemoveSpawn(thing);
        SetModifiedFlag(true);
        UpdateAllViews({ViewHintKind::All});
        return;
    case ThingKind::Item:
    case ThingKind::Teleport:
    case ThingKind::Depot:
        break;
    }
    CTile* tile = GetTile(x, y, z);
    if (!tile) {
        return;
    }
    NoteTileChange({x, y, z});
    std::unique_ptr<CItem> item = tile->RemoveThing(static_cast<CItem*>(thing));
    if (!item) {
        return;
    }
    uniqueIds_.Unregister(item->GetUniqueId());
    const int32_t typeKey = item->GetTypeKey();
    item.reset();
    if (tile->GetThingCount() == 0) {
        RemoveTile(x, y, z);
    }
    SetModifiedFlag(true);
    UpdateAllViews({ViewHintKind::Thing, x, y, z, typeKey});
}

int CTessarkDoc::CanPlaceItem(const Position& position, int32_t typeKey) const
{
    if (!IsInsideMap(position)) {
        return 1;
    }
    const ItemType& type = database_.GetServerType(typeKey);
    const CTile* tile = GetTile(position);
    if (type.group == ItemGroup::Ground || !tile) {
        return 0;
    }
    if (type.hangeable) {
        for (const CItem* hanging : tile->GetHangingItems()) {
            if (hanging->GetTypeKey() == typeKey) {
                return 2;
            }
        }
        return 0;
    }
    if (!type.alwaysOnTop) {
        return 0;
    }
    for (const CItem* top : tile->GetTopItems()) {
        if (top->GetServerType(database_).topOrder == type.topOrder &&
            (type.topOrder > 1 || top->GetTypeKey() == typeKey)) {
            return 2;
        }
    }
    return 0;
}

House* CTessarkDoc::FindHouseAt(const Position& position) const
{
    const CTile* tile = GetTile(position);
    if (!tile || !tile->HasFlags(CTile::kHouseFlag)) {
        return nullptr;
    }
    return houses_.FindHouse(tile->GetHouseId());
}

bool CTessarkDoc::IsInsideMap(const Position& position) const
{
    const int64_t x = position.x;
    const int64_t y = position.y;
    return borderX <= x && x <= static_cast<int64_t>(width) - borderX && borderY <= y &&
           y <= static_cast<int64_t>(height) - borderY;
}

void CTessarkDoc::SerializeTiles(ArchiveWriter& archive, std::span<const Position> positions) const
{
    std::vector<Position> sorted(positions.begin(), positions.end());
    std::stable_sort(sorted.begin(), sorted.end(), PositionZyxLess());
    archive.WriteU32(static_cast<uint32_t>(sorted.size()));
    if (sorted.empty()) {
        return;
    }
    const Position origin = sorted.front();
    for (const Position& position : sorted) {
        archive.WriteI32(WrappingSubtract(position.y, origin.y));
        archive.WriteI32(WrappingSubtract(position.x, origin.x));
        archive.WriteI32(WrappingSubtract(position.z, origin.z));
        if (const CTile* tile = GetTile(position)) {
            tile->Store(archive);
        } else {
            CTile().Store(archive);
        }
    }
}

bool CTessarkDoc::SerializeTiles(ArchiveReader& archive, std::vector<Position>& positions)
{
    ClearCopyBuffer();
    positions.clear();
    uint32_t count = 0;
    if (!archive.ReadU32(count)) {
        return false;
    }
    for (uint32_t i = 0; i < count; ++i) {
        Position offset;
        auto tile = std::make_unique<CTile>();
        if (!archive.ReadI32(offset.y) || !archive.ReadI32(offset.x) ||
            !archive.ReadI32(offset.z) || !tile->Load(database_, archive)) {
            // Half a group is worse than none: nothing of it may be dropped onto the map.
            ClearCopyBuffer();
            positions.clear();
            return false;
        }
        copyBuffer_[offset] = std::move(tile);
        positions.push_back(offset);
    }
    return true;
}

void CTessarkDoc::PasteCopyBuffer(const Position& origin)
{
    for (auto& [offset, tile] : copyBuffer_) {
        if (!tile) {
            continue;
        }
        const Position target{WrappingAdd(origin.x, offset.x), WrappingAdd(origin.y, offset.y),
                              WrappingAdd(origin.z, offset.z)};
        // A target off the map or on no floor is dropped, like one outside the map.
        if (!IsInsideMap(target) || target.z < 0 || target.z >= kFloorCount) {
            continue;
        }
        // The blocks carry no house id (only a move gives one back): a house flag without a
        // house would make a house tile that no house lists.
        House* house = tile->HasFlags(CTile::kHouseFlag) && tile->GetHouseId() != 0
                           ? houses_.FindHouse(tile->GetHouseId())
                           : nullptr;
        if (!house) {
            tile->SetFlags(tile->GetFlags() & ~CTile::kHouseFlag);
            tile->SetHouseId(0);
        }
        CTile* placed = SetTile(std::move(tile), target.x, target.y, target.z);
        if (placed && house) {
            house->AddTile(placed);
        }
        for (size_t i = 0; placed && i < placed->GetThingCount(); ++i) {
            uniqueIds_.Register(placed->GetThing(i)->GetUniqueId());
        }
        UpdateAllViews({ViewHintKind::Tile, target.x, target.y, target.z});
    }
    UpdateAllViews({ViewHintKind::All});
}

void CTessarkDoc::RegisterMapFormat(std::unique_ptr<MapFormat> format)
{
    if (format) {
        formats_.push_back(std::move(format));
    }
}

MapFormat* CTessarkDoc::FindMapFormat(std::string_view extension) const
{
    for (const auto& format : formats_) {
        if (EqualsIgnoringCase(format->Extension(), extension)) {
            return format.get();
        }
    }
    return nullptr;
}

bool CTessarkDoc::OnNewDocument()
{
    DeleteContents();
    pathName_.clear();
    SetModifiedFlag(false);
    if (recorder_) {
        recorder_->Reset();
    }
    UpdateAllViews({ViewHintKind::All});
    return true;
}

OpenResult CTessarkDoc::OnOpenDocument(const std::string& path)
{
    CTessarkDoc staging(database_, messages_);
    // What a file does not set stays as it was, as when the map itself was cleared and read.
    staging.width = width;
    staging.height = height;
    staging.temple = temple;
    staging.groundTemplate = groundTemplate;
    staging.templateLoaded = templateLoaded;
    staging.progress_ = progress_;
    const bool read = ReadInto(staging, path);
    errorKind = staging.errorKind;
    errorCode = staging.errorCode;
    errorDetail = staging.errorDetail;
    if (read) {
        TakeContents(staging);
        SetModifiedFlag(false);
        if (recorder_) {
            recorder_->Reset();
        }
        UpdateAllViews({ViewHintKind::All});
        return OpenResult::Opened;
    }
    if (!ReportLoadError(path, staging.Tiles().Size() > 0)) {
        return OpenResult::Failed;
    }
    // The side files named in a damaged map belong to another, intact map.
    staging.spawnFile_.clear();
    staging.houseFile_.clear();
    TakeContents(staging);
    if (recorder_) {
        recorder_->Reset();
    }
    SetModifiedFlag(true);
    UpdateAllViews({ViewHintKind::All});
    return OpenResult::Salvaged;
}

bool CTessarkDoc::ReadMapFile(const std::string& path)
{
    bool read = false;
    try {
        DeleteContents();
        read = ReadInto(*this, path);
        UpdateAllViews({ViewHintKind::All});
    } catch (const std::bad_alloc&) {
        errorKind = static_cast<int32_t>(LoadErrorKind::Generic);
        errorCode = 0;
        errorDetail = kOutOfMemoryDetail;
        return false;
    }
    return read;
}

bool CTessarkDoc::ReadInto(CTessarkDoc& target, const std::string& path) const
{
    // Memory running out is one more way for a read to fail; what was read stays, as it does
    // for a damaged file.
    try {
        return ReadFormatInto(target, path);
    } catch (const std::bad_alloc&) {
        target.errorKind = static_cast<int32_t>(LoadErrorKind::Generic);
        target.errorCode = 0;
        target.errorDetail = kOutOfMemoryDetail;
        return false;
    }
}

bool CTessarkDoc::ReadFormatInto(CTessarkDoc& target, const std::string& path) const
{
    MapFormat* format = FindMapFormat(ExtensionPart(path));
    if (!format) {
        // Not a map file: say so, rather than show an empty map without a word.
        target.errorKind = static_cast<int32_t>(LoadErrorKind::Generic);
        target.errorCode = 0;
        target.errorDetail = "the name ends in neither .qzbm nor .qzx";
        return false;
    }
    target.errorDetail.clear();
    if (!format->Load(target, path)) {
        return false;
    }
    if (!target.spawnFile_.empty() &&
        !target.spawns_.LoadSpawns(target.mapDirectory + target.spawnFile_, messages_)) {
        target.spawnFile_.clear();
    }
    if (!target.houseFile_.empty() &&
        !target.houses_.LoadHouses(target.mapDirectory + target.houseFile_, messages_)) {
        target.houseFile_.clear();
    }
    return true;
}

void CTessarkDoc::TakeContents(CTessarkDoc& staging)
{
    DeleteContents();
    tiles_.Swap(staging.tiles_);
    houses_.Swap(staging.houses_);
    towns_.Swap(staging.towns_);
    spawns_.Swap(staging.spawns_);
    std::swap(uniqueIds_, staging.uniqueIds_);
    spawnFile_ = staging.spawnFile_;
    houseFile_ = staging.houseFile_;
    description_ = staging.description_;
    mapDirectory = staging.mapDirectory;
    width = staging.width;
    height = staging.height;
    temple = staging.temple;
}

size_t CTessarkDoc::CountTilesBeyondMap() const
{
    size_t count = 0;
    for (int floor = 0; floor < kFloorCount; ++floor) {
        tiles_.ForEachTile(floor, [&](uint32_t key, const CTile&) {
            int32_t x = 0;
            int32_t y = 0;
            SplitTileKey(key, x, y);
            count += x > width || y > height ? 1 : 0;
        });
    }
    return count;
}

SaveResult CTessarkDoc::OnSaveDocument(const std::string& path)
{
    if (const size_t beyond = CountTilesBeyondMap(); beyond > 0) {
        const std::string text = std::to_string(beyond) + (beyond == 1 ? " tile lies" : " tiles lie") +
                                 " beyond the map's width and height and will not be saved.";
        if (messages_.Ask({text, MessageIcon::Warning, {}, {}, true}) == MessageAnswer::Cancel) {
            return SaveResult::Cancelled;
        }
    }
    const bool xml = EqualsIgnoringCase(ExtensionPart(path), kXmlExtension);
    MapFormat* format = FindMapFormat(xml ? kXmlExtension : kDefaultExtension);
    errorDetail.clear();
    // The writers name side files and note the folder as they go; a failed save must not
    // point the map at files that were never written.
    const std::string oldSpawnFile = spawnFile_;
    const std::string oldHouseFile = houseFile_;
    const std::string oldDirectory = mapDirectory;
    bool saved = false;
    if (format) {
        // The writers replace files only when complete, so running out of memory half way
        // leaves every old file as it was.
        try {
            saved = format->Save(*this, path);
        } catch (const std::bad_alloc&) {
            errorKind = static_cast<int32_t>(LoadErrorKind::Generic);
            errorCode = 0;
            errorDetail = kOutOfMemoryDetail;
        }
    } else {
        errorKind = static_cast<int32_t>(LoadErrorKind::Generic);
        errorCode = 0;
    }
    // A failed save keeps the map marked modified, so the user is still asked before it is
    // thrown away.
    if (saved) {
        SetModifiedFlag(false);
        return SaveResult::Saved;
    }
    spawnFile_ = oldSpawnFile;
    houseFile_ = oldHouseFile;
    mapDirectory = oldDirectory;
    return SaveResult::Failed;
}

SaveResult CTessarkDoc::DoSave(const std::string& path, bool replace, const FileNamePrompt& prompt)
{
    try {
        return SaveTo(path, replace, prompt);
    } catch (const std::bad_alloc&) {
        errorKind = static_cast<int32_t>(LoadErrorKind::Generic);
        errorCode = 0;
        errorDetail = kOutOfMemoryDetail;
        return SaveResult::Failed;
    }
}

SaveResult CTessarkDoc::SaveTo(const std::string& path, bool replace, const FileNamePrompt& prompt)
{
    std::string target = path;
    std::string oldSpawnFile;
    std::string oldHouseFile;
    const bool saveAs = target.empty();
    if (saveAs) {
        std::string proposed = title_.substr(0, title_.find_first_of(":/\\"));
        // A title that already carries the extension is not given a second one.
        if (!EqualsIgnoringCase(ExtensionPart(proposed), kDefaultExtension) &&
            !EqualsIgnoringCase(ExtensionPart(proposed), kXmlExtension)) {
            proposed += kDefaultExtension;
        }
        std::optional<std::string> chosen = prompt ? prompt(proposed) : std::nullopt;
        if (!chosen || chosen->empty()) {
            return SaveResult::Cancelled;
        }
        target = *chosen;
        // Side files follow the new map name.
        oldSpawnFile = std::exchange(spawnFile_, {});
        oldHouseFile = std::exchange(houseFile_, {});
    }
    // The writers replace the target only when complete, so a failed save leaves any
    // earlier file as it was and there is nothing to delete.
    const SaveResult result = OnSaveDocument(target);
    if (result != SaveResult::Saved) {
        if (saveAs) {
            spawnFile_ = oldSpawnFile;
            houseFile_ = oldHouseFile;
        }
        return result;
    }
    if (replace) {
        SetPathName(target);
    }
    return result;
}

bool CTessarkDoc::NewDocument()
{
    if (!OnNewDocument()) {
        return false;
    }
    SetTitle("Untitled");
    return true;
}

OpenResult CTessarkDoc::OpenDocument(const std::string& path)
{
    const OpenResult result = OnOpenDocument(path);
    if (result == OpenResult::Opened) {
        SetPathName(path);
    } else if (result == OpenResult::Salvaged) {
        pathName_.clear();
        SetTitle("Untitled");
    }
    return result;
}

void CTessarkDoc::DeleteContents()
{
    UpdateAllViews({ViewHintKind::Clearing});
    currentItemKey = 2;
    spawnFile_.clear();
    houseFile_.clear();
    description_.clear();
    spawns_.Clear();
    uniqueIds_.Clear();
    towns_.ClearTowns();
    houses_.ClearHouses();
    tiles_.Clear();
}

bool CTessarkDoc::ReportLoadError(const std::string& path, bool offerPartialMap) const
{
    if (errorKind == 0) {
        return false;
    }
    const std::string text = LoadErrorMessage(errorKind, errorCode);
    std::string detail = FileNamePart(path);
    if (!errorDetail.empty()) {
        detail += ": " + errorDetail;
    }
    MessageRequest request{text, MessageIcon::Error, detail};
    if (offerPartialMap) {
        request.choice = kPartialMapChoice;
    }
    return messages_.Ask(request) == MessageAnswer::Choice;
}

void CTessarkDoc::SetPathName(const std::string& path)
{
    pathName_ = path;
    SetTitle(FileNamePart(path));
}

void CTessarkDoc::SetTitle(const std::string& title)
{
    title_ = titleOverride_.empty() ? title : titleOverride_;
}

void CTessarkDoc::SetSpawnFile(std::string_view name) { spawnFile_ = FileNamePart(name); }

void CTessarkDoc::SetHouseFile(std::string_view name) { houseFile_ = FileNamePart(name); }

}  // namespace tessark
