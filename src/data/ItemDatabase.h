#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "data/ItemType.h"
#include "data/Sprite.h"

namespace tessark {

// All item types of the game data: client types from the client data file, server types from
// the item database file (plus creature types) and the sprite table. Lookups by server key
// never fail: a key without a type yields defaultType.
class ItemDatabase {
public:
    ItemDatabase();

    // 0, 2 (cannot open) or 8 (format error).
    int LoadClientData(const std::string& path);
    // 0, 8 (format error) or the node-file error code.
    int LoadItems(const std::string& path);
    // True when the names file was read to its end; every failure is silent.
    bool LoadItemNames(const std::string& path);

    // The server type with this key, else the client type, else nullptr.
    const ItemType* GetType(int32_t key) const;
    ItemType* GetType(int32_t key);
    const ItemType& GetServerType(int32_t key) const;
    ItemType* FindServerType(int32_t key);
    const ItemType* GetClientType(int32_t key) const;
    ItemType* GetClientType(int32_t key);
    // 0 when the client key is not mapped.
    int32_t ClientToServer(uint32_t clientKey) const;

    // Inserts only when the key has no server type yet.
    void AddServerType(int32_t key, ItemType type);
    // Inserts or replaces; for the readers.
    void SetServerType(int32_t key, ItemType type);
    void SetClientType(int32_t key, ItemType type);
    void MapClientToServer(uint32_t clientKey, int32_t serverKey);

    const std::map<int32_t, ItemType>& ServerTypes() const { return serverTypes_; }
    const std::map<int32_t, ItemType>& ClientTypes() const { return clientTypes_; }

    SpriteTable& Sprites() { return sprites_; }
    const SpriteTable& Sprites() const { return sprites_; }

    uint16_t clientItemCount = 0;
    uint32_t itemsMajorVersion = 0;
    uint32_t itemsMinorVersion = 0;

private:
    void IndexServerType(int32_t key, const ItemType* type);

    std::map<int32_t, ItemType> clientTypes_;
    std::map<int32_t, ItemType> serverTypes_;
    std::map<uint32_t, int32_t> clientToServer_;
    SpriteTable sprites_;
    ItemType defaultType_;
    // Server types by key for the drawing hot path; the map above stays the owner and the order.
    std::vector<const ItemType*> serverIndex_;
};

}  // namespace tessark
