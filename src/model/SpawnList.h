#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/Item.h"
#include "model/Spawn.h"

namespace tessark {

class ItemDatabase;
class MessageSink;

// The spawns of the open map in insertion order, plus the marker thing the view draws at every
// spawn centre.
class CSpawnList {
public:
    // Type key of the marker (server id 1507).
    static constexpr int32_t kMarkerTypeKey = 1407;

    explicit CSpawnList(const ItemDatabase& database);
    ~CSpawnList();
    CSpawnList(const CSpawnList&) = delete;
    CSpawnList& operator=(const CSpawnList&) = delete;

    // Made on first use, so that it exists once the game data is loaded; null when the data
    // has no type for it. It stays until the list is destroyed.
    const CItem* GetMarker();

    CSpawn* CreateSpawn(const Position& center, int32_t radius);
    CSpawn* AddSpawn(std::unique_ptr<CSpawn> spawn);
    // Takes the spawn out and hands it back; null when it is not in the list.
    std::unique_ptr<CSpawn> RemoveSpawn(const CThing* spawn);
    // The first spawn in list order whose area holds the position.
    CSpawn* FindSpawnAt(const Position& position) const;
    // Destroys every spawn with its creatures; the marker stays.
    void Clear() { spawns_.clear(); }
    // Exchanges the spawns (not the markers) with a list of the same game data.
    void Swap(CSpawnList& other) noexcept { spawns_.swap(other.spawns_); }

    size_t Size() const { return spawns_.size(); }
    bool Empty() const { return spawns_.empty(); }
    CSpawn* GetSpawn(size_t index) const
    {
        return index < spawns_.size() ? spawns_[index].get() : nullptr;
    }

    // The spawn side file. Saving writes no spawn without creatures and shows no message;
    // loading appends the file's spawns and shows its messages through the sink.
    bool SaveSpawns(const std::string& path) const;
    std::string SpawnFileText() const;
    bool LoadSpawns(const std::string& path, MessageSink& messages);

private:
    const ItemDatabase& database_;
    std::vector<std::unique_ptr<CSpawn>> spawns_;
    std::unique_ptr<CItem> marker_;
};

}  // namespace tessark
