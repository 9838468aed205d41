#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/HouseList.h"
#include "model/Position.h"
#include "model/SpawnList.h"
#include "model/TileStore.h"
#include "model/TownList.h"
#include "model/UsedUniqueIds.h"
#include "platform/ViewHint.h"

namespace tessark {

class ArchiveReader;
class ArchiveWriter;
class CThing;
class EditRecorder;
class ItemDatabase;
class MapFormat;
class MessageSink;

// How an Open ended: the map read whole, what could be read of a damaged map taken as an
// untitled map at the user's choice, or nothing changed.
enum class OpenResult { Opened, Salvaged, Failed };
// How a save ended; a failed one has changed no file.
enum class SaveResult { Saved, Cancelled, Failed };

// The open map: every tile, the map's size, temple, description and side-file names, the copy
// buffer of a tile drag, and the house, town and spawn lists of the map. One document lives for
// the whole session and is reused for every New and Open; tests make a fresh one per world.
//
// Every editing operation marks the document modified and tells the registered listeners what
// changed. Map readers file tiles with StoreTile, which does neither.
class CTessarkDoc {
public:
    using CopyBuffer = std::map<Position, std::unique_ptr<CTile>, PositionZyxLess>;
    // Asked for the file name of a Save As with the proposed name; nullopt cancels.
    using FileNamePrompt = std::function<std::optional<std::string>(const std::string& proposed)>;
    // Told the percentage done of a long read or write.
    using ProgressListener = std::function<void(int percent)>;
    static constexpr const char* kPartialMapChoice = "Open what could be read, as an untitled map";

    static constexpr int32_t kDefaultSize = 1000;
    static constexpr int32_t kBorder = 20;
    static constexpr const char* kDefaultExtension = ".qzbm";
    static constexpr const char* kXmlExtension = ".qzx";

    CTessarkDoc(ItemDatabase& database, MessageSink& messages);
    ~CTessarkDoc();
    CTessarkDoc(const CTessarkDoc&) = delete;
    CTessarkDoc& operator=(const CTessarkDoc&) = delete;

    ItemDatabase& Database() const { return database_; }
    MessageSink& Messages() const { return messages_; }
    HouseList& Houses() { return houses_; }
    const HouseList& Houses() const { return houses_; }
    TownList& Towns() { return towns_; }
    const TownList& Towns() const { return towns_; }
    CSpawnList& Spawns() { return spawns_; }
    const CSpawnList& Spawns() const { return spawns_; }
    // The unique ids the map's items hold. Removing an item or destroying a tile lets go of
    // their ids; whoever gives an item a unique id registers it.
    UsedUniqueIds& UniqueIds() { return uniqueIds_; }
    const UsedUniqueIds& UniqueIds() const { return uniqueIds_; }

    // Listeners are not owned; remove one before it is destroyed.
    void AddViewHintListener(ViewHintListener& listener);
    void RemoveViewHintListener(ViewHintListener& listener);
    void UpdateAllViews(const ViewHint& hint);

    // --- Undo. The recorder (not owned; null: none) hears of every step and tile change.
    void SetEditRecorder(EditRecorder* recorder) { recorder_ = recorder; }
    EditRecorder* GetEditRecorder() const { return recorder_; }
    // Group the edits between them into one undoable step (see EditStep); nested pairs fold.
    void BeginStep(std::string_view name);
    void EndStep();
    // Call before changing a tile or one of its items in place (flags, house, item fields).
    void NoteTileChange(const Position& position);
    // NoteTileChange for every tile of the house, before a change of the house that changes
    // them (deleting it).
    void NoteHouseTiles(uint32_t houseId);
    // Puts back a recorded tile (null: none) without marking the map modified or telling the
    // views: the old tile's ids go, the new one's are registered, and a house tile is listed by
    // its house again with its flags as recorded.
    void RestoreTile(const Position& position, std::unique_ptr<CTile> tile);

    // --- Tiles (x, y use their low 16 bits; a z whose low 8 bits are >= 16 holds nothing).
    CTile* GetTile(int32_t x, int32_t y, int32_t z) const { return tiles_.Get(x, y, z); }
    CTile* GetTile(const Position& position) const { return GetTile(position.x, position.y, position.z); }
    // Replaces the tile at the position (as RemoveTile) and marks the map modified; returns the
    // stored tile, or null (the tile destroyed) when z names no floor.
    CTile* SetTile(std::unique_ptr<CTile> tile, int32_t x, int32_t y, int32_t z);
    // Destroys the tile at the position, if any, and marks the map modified.
    void RemoveTile(int32_t x, int32_t y, int32_t z);
    // For the map readers: files the tile (destroying one that was there) without marking the
    // map modified or telling the views.
    CTile* StoreTile(std::unique_ptr<CTile> tile, int32_t x, int32_t y, int32_t z);
    // Ordered access for writers and drawing: Tiles().ForEachTile(floor, visit).
    const TileStore& Tiles() const { return tiles_; }

    // Places a new thing: a creature goes into the spawn whose area holds the position (and is
    // destroyed when there is none or its offset is taken), an item onto the tile there (made
    // when missing). Anything else is destroyed.
    void AddThing(std::unique_ptr<CThing> thing, int32_t x, int32_t y, int32_t z, bool replace);
    // Removes and destroys a creature (from its spawn), a spawn (from the spawn list) or an item
    // (from the tile at the position; an emptied tile goes too). Not found: nothing changes.
    void RemoveThing(CThing* thing, int32_t x, int32_t y, int32_t z);
    // For the brush: 1 outside the map (place nothing), 2 when a clashing wall-hanging or
    // always-on-top item is there (place with replace), else 0.
    int CanPlaceItem(const Position& position, int32_t typeKey) const;
    // The house of a house tile at the position, if the house exists.
    House* FindHouseAt(const Position& position) const;
    // Inside the border of the map: borderX <= x <= width - borderX, likewise for y.
    bool IsInsideMap(const Position& position) const;

    // --- Copy buffer of a tile drag.
    void ClearCopyBuffer() { copyBuffer_.clear(); }
    const CopyBuffer& GetCopyBuffer() const { return copyBuffer_; }
    // Writes the tiles at the positions: u32 count, then per position (sorted by z, y, x) its
    // offsets dy, dx, dz from the first one and the tile's archive form. A position without a
    // tile is written as an empty tile.
    void SerializeTiles(ArchiveWriter& archive, std::span<const Position> positions) const;
    // Reads such a stream into the copy buffer and lists the offsets read. On failure (the
    // archive's error tells why) the buffer is left empty.
    bool SerializeTiles(ArchiveReader& archive, std::vector<Position>& positions);
    // Moves the buffered tiles inside the map onto origin + offset, then tells the views.
    void PasteCopyBuffer(const Position& origin);

    // --- Files. Formats are found by extension, ignoring letter case.
    void RegisterMapFormat(std::unique_ptr<MapFormat> format);
    MapFormat* FindMapFormat(std::string_view extension) const;
    // Clears the map, forgets the path name and the modified flag, tells the views.
    bool OnNewDocument();
    // Reads the file (then its side files) into a staging document, which replaces this map
    // only when the read succeeded. A failed read shows its message and changes nothing here,
    // unless the user chooses to take what could be read: then it becomes this map with no
    // side files, marked modified, so that no save can reach the damaged file or its side files.
    OpenResult OnOpenDocument(const std::string& path);
    // Clears this document and reads the file into it as Open does, without a message; after a
    // failed read what was read stays (the command-line tool shows it).
    bool ReadMapFile(const std::string& path);
    // The XML format for ".qzx", else the binary format. Tiles beyond the map's width or height
    // are not stored: the user is warned with their number first and may cancel. The modified
    // flag is cleared only when the save succeeded; a failed save leaves the side-file names
    // as they were and tells why in errorDetail.
    SaveResult OnSaveDocument(const std::string& path);
    // Save (path given) or Save As (path empty: asks through prompt, side-file names are
    // derived afresh). With replace, a successful save makes path the document's path.
    SaveResult DoSave(const std::string& path, bool replace, const FileNamePrompt& prompt);
    // Tiles the writers leave out: x beyond the width or y beyond the height.
    size_t CountTilesBeyondMap() const;
    // New and Open as the application runs them: the document step, then path name and title
    // (a salvaged map is "Untitled").
    bool NewDocument();
    OpenResult OpenDocument(const std::string& path);
    void DeleteContents();
    // Shows the message of the last failed read of the file at path, if errorKind is set, with
    // the file's name and errorDetail under it; offerPartialMap adds the choice to take what
    // could be read. True when the user took it.
    bool ReportLoadError(const std::string& path, bool offerPartialMap = false) const;

    // Long reads and writes report their progress here.
    void SetProgressListener(ProgressListener listener) { progress_ = std::move(listener); }
    const ProgressListener& Progress() const { return progress_; }

    const std::string& GetPathName() const { return pathName_; }
    void SetPathName(const std::string& path);
    // The override when one is set, else the title given.
    void SetTitle(const std::string& title);
    const std::string& GetTitle() const { return title_; }
    bool IsModified() const { return modified_; }
    // The recorder hears of it: modified, the map changed outside its steps; not modified, the
    // map as it is now is the saved state.
    void SetModifiedFlag(bool modified = true);
    // Sets the flag as the undo stack computes it, telling nobody.
    void RestoreModifiedFlag(bool modified) { modified_ = modified; }

    // Side-file names are kept without a directory: a name from a map cannot reach outside the
    // map's folder.
    const std::string& GetSpawnFile() const { return spawnFile_; }
    void SetSpawnFile(std::string_view name);
    const std::string& GetHouseFile() const { return houseFile_; }
    void SetHouseFile(std::string_view name);
    const std::string& GetDescription() const { return description_; }
    void SetDescription(std::string_view description) { description_ = description; }
    const std::string& GetTitleOverride() const { return titleOverride_; }
    void SetTitleOverride(std::string_view title) { titleOverride_ = title; }

    // Read and written directly by the readers, writers, tools and map properties.
    int32_t width = kDefaultSize;
    int32_t height = kDefaultSize;
    const int32_t borderX = kBorder;
    const int32_t borderY = kBorder;
    Position temple;
    // Of the last failed read or write (see LoadErrorKind); the readers reset them on success.
    int32_t errorKind = 0;
    int32_t errorCode = 0;
    // What the reader knows of the failure ("the file ends inside a tile node at byte 5000");
    // may be empty.
    std::string errorDetail;
    // Directory of the last map file read or written, with its trailing separator.
    std::string mapDirectory;
    int32_t currentItemKey = 2;
    // 0 while a tool applies a stroke over many tiles: the views repaint once afterwards.
    int32_t redrawAtOnce = 1;
    // Ground replacements for the XML reader: source ground key -> replacement key, then keys
    // of items to add. Not touched by clearing.
    std::map<int32_t, std::vector<int32_t>> groundTemplate;
    int32_t templateLoaded = 0;

private:
    void DestroyTile(std::unique_ptr<CTile> tile);
    // Runs the reader the extension names on target, then loads target's side files.
    bool ReadInto(CTessarkDoc& target, const std::string& path) const;
    bool ReadFormatInto(CTessarkDoc& target, const std::string& path) const;
    SaveResult SaveTo(const std::string& path, bool replace, const FileNamePrompt& prompt);
    // Clears this map and moves the staging document's map into it.
    void TakeContents(CTessarkDoc& staging);

    ItemDatabase& database_;
    MessageSink& messages_;
    EditRecorder* recorder_ = nullptr;
    std::vector<ViewHintListener*> listeners_;
    std::vector<std::unique_ptr<MapFormat>> formats_;
    ProgressListener progress_;
    // Declared before the house list so that houses, which point at tiles, go first.
    TileStore tiles_;
    CopyBuffer copyBuffer_;
    HouseList houses_;
    TownList towns_;
    CSpawnList spawns_;
    UsedUniqueIds uniqueIds_;
    std::string pathName_;
    std::string title_;
    bool modified_ = false;
    std::string spawnFile_;
    std::string houseFile_;
    std::string description_;
    std::string titleOverride_;
};

}  // namespace tessark
