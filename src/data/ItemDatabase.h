#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "data/ClientRecord.h"
#include "data/ItemType.h"
#include "data/Sprite.h"

namespace tessark {

// All item types of the game data: client types from the client data file, server types from
// the item database file (plus creature types) and the sprite table. Lookups by server key
// never fail: a key without a type yields defaultType.
class ItemDatabase {
public:
    ItemDatabase();
    // The indexes point into the maps: a copy would point into the original.
    ItemDatabase(const ItemDatabase&) = delete;
    ItemDatabase& operator=(const ItemDatabase&) = delete;
    ItemDatabase(ItemDatabase&&) = default;
    ItemDatabase& operator=(ItemDatabase&&) = default;

    // 0, 2 (cannot open) or 8 (format error).
    int LoadClientData(const std::string& path);
    // 0, 8 (format error) or the node-file error code.
    int LoadItems(const std::string& path);
    // True when the names file was read to its end; every failure is silent.
    bool LoadItemNames(const std::string& path);

    // The server type with this key, else the client type, else nullptr.
    // Both are an array index for a key with a type (inline: a map load asks millions of times).
    const ItemType* GetType(int32_t key) const
    {
        const auto index = static_cast<uint32_t>(key);
        if (index < typeIndex_.size() && typeIndex_[index]) {
            return typeIndex_[index];
        }
        return FindType(key);
    }
    ItemType* GetType(int32_t key);
    const ItemType& GetServerType(int32_t key) const
    {
        const auto index = static_cast<uint32_t>(key);
        if (index < serverIndex_.size() && serverIndex_[index]) {
            return *serverIndex_[index];
        }
        return FindServerTypeOrDefault(key);
    }
    ItemType* FindServerType(int32_t key);
    // Client types are held as compact records; asking for one as a full type builds it once
    // and keeps it, so changes made through the pointer stay.
    const ItemType* GetClientType(int32_t key) const;
    ItemType* GetClientType(int32_t key);
    bool HasClientType(int32_t key) const;
    size_t ClientTypeCount() const { return clientTypeCount_; }
    // Every client key, in ascending order.
    std::vector<int32_t> ClientKeys() const;
    // Copies the fields a server type takes from its client type; false without one.
    bool CopyClientDrawing(int32_t key, ItemType& item) const;
    // 0 when the client key is not mapped.
    int32_t ClientToServer(uint32_t clientKey) const;

    // Inserts only when the key has no server type yet.
    void AddServerType(int32_t key, ItemType type);
    // Inserts or replaces; for the readers.
    void SetServerType(int32_t key, ItemType type);
    void SetClientType(int32_t key, const ItemType& type);
    // For the client data reader: a record and its sprite ids, without building a type.
    void SetClientRecord(int32_t key, ClientRecord record, std::span<const uint16_t> spriteIds);
    void MapClientToServer(uint32_t clientKey, int32_t serverKey);

    const std::map<int32_t, ItemType>& ServerTypes() const { return serverTypes_; }

    SpriteTable& Sprites() { return sprites_; }
    const SpriteTable& Sprites() const { return sprites_; }

    uint16_t clientItemCount = 0;
    uint32_t itemsMajorVersion = 0;
    uint32_t itemsMinorVersion = 0;

private:
    const ItemType* FindType(int32_t key) const;
    const ItemType& FindServerTypeOrDefault(int32_t key) const;
    bool IsRecordKey(int32_t key) const;
    void StoreRecord(int32_t key, ClientRecord record, std::span<const uint16_t> spriteIds);
    const ItemType* KeepClientType(int32_t key, const ItemType& type) const;
    void IndexServerType(int32_t key, const ItemType* type);
    void IndexType(int32_t key, const ItemType* type) const;

    // Client records by key (keys 0 to 65535) and the sprite ids they list, end to end.
    std::vector<ClientRecord> clientRecords_;
    std::vector<uint16_t> clientSprites_;
    size_t clientTypeCount_ = 0;
    // Client types handed out or set with more than a record holds; nodes keep their address.
    mutable std::map<int32_t, ItemType> fullClientTypes_;
    std::map<int32_t, ItemType> serverTypes_;
    std::map<uint32_t, int32_t> clientToServer_;
    SpriteTable sprites_;
    ItemType defaultType_;
    // Lookups by key for the hot paths; the maps above own the types. serverIndex_ holds the
    // server types, typeIndex_ what GetType answers (the server type, else a full client type).
    std::vector<const ItemType*> serverIndex_;
    mutable std::vector<const ItemType*> typeIndex_;
};

}  // namespace tessark
