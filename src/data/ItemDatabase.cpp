#include "data/ItemDatabase.h"

#include <algorithm>

#include "data/ClientDataReader.h"
#include "data/ItemNamesReader.h"
#include "data/ItemsFileReader.h"

namespace tessark {

namespace {
// Server keys come from 16-bit ids, so the index stays small.
constexpr int32_t kMaxIndexedKey = 1 << 17;
// Client keys are record ids - 100, and record ids are 16-bit.
constexpr int32_t kRecordKeyLimit = 1 << 16;

void CopyDrawing(const ItemType& client, ItemType& item)
{
    item.vertical = client.vertical;
    item.horizontal = client.horizontal;
    item.hangeable = client.hangeable;
    item.minimapColor = client.minimapColor;
    item.width = client.width;
    item.height = client.height;
    item.cropSize = client.cropSize;
    item.spriteCount = client.spriteCount;
    item.layers = client.layers;
    item.patternX = client.patternX;
    item.patternY = client.patternY;
    item.animationPhases = client.animationPhases;
    item.spriteIds = client.spriteIds;
}

bool IsIndexedKey(int32_t key)
{
    return key >= 0 && key < kMaxIndexedKey;
}

}  // namespace

ItemDatabase::ItemDatabase() = default;

int ItemDatabase::LoadClientData(const std::string& path)
{
    return ClientDataReader(*this).Read(path);
}

int ItemDatabase::LoadItems(const std::string& path)
{
    return ItemsFileReader(*this).Read(path);
}

bool ItemDatabase::LoadItemNames(const std::string& path)
{
    return ItemNamesReader(*this).Read(path);
}

const ItemType* ItemDatabase::FindType(int32_t key) const
{
    if (IsIndexedKey(key)) {
        if (static_cast<size_t>(key) < typeIndex_.size() && typeIndex_[key]) {
            return typeIndex_[key];
        }
        // Neither a server type nor a full client type yet.
        return GetClientType(key);
    }
    if (auto it = serverTypes_.find(key); it != serverTypes_.end()) {
        return &it->second;
    }
    return GetClientType(key);
}

ItemType* ItemDatabase::GetType(int32_t key)
{
    return const_cast<ItemType*>(static_cast<const ItemDatabase*>(this)->GetType(key));
}

const ItemType& ItemDatabase::FindServerTypeOrDefault(int32_t key) const
{
    if (IsIndexedKey(key)) {
        const bool held = static_cast<size_t>(key) < serverIndex_.size() && serverIndex_[key];
        return held ? *serverIndex_[key] : defaultType_;
    }
    auto it = serverTypes_.find(key);
    return it != serverTypes_.end() ? it->second : defaultType_;
}

ItemType* ItemDatabase::FindServerType(int32_t key)
{
    auto it = serverTypes_.find(key);
    return it != serverTypes_.end() ? &it->second : nullptr;
}

bool ItemDatabase::IsRecordKey(int32_t key) const
{
    return key >= 0 && static_cast<size_t>(key) < clientRecords_.size() && clientRecords_[key].Held();
}

const ItemType* ItemDatabase::GetClientType(int32_t key) const
{
    if (auto it = fullClientTypes_.find(key); it != fullClientTypes_.end()) {
        return &it->second;
    }
    if (!IsRecordKey(key)) {
        return nullptr;
    }
    return KeepClientType(key, clientRecords_[key].ToItemType(key, clientSprites_));
}

ItemType* ItemDatabase::GetClientType(int32_t key)
{
    return const_cast<ItemType*>(static_cast<const ItemDatabase*>(this)->GetClientType(key));
}

bool ItemDatabase::HasClientType(int32_t key) const
{
    return IsRecordKey(key) || fullClientTypes_.count(key) != 0;
}

std::vector<int32_t> ItemDatabase::ClientKeys() const
{
    std::vector<int32_t> keys;
    keys.reserve(clientTypeCount_);
    for (size_t key = 0; key < clientRecords_.size(); ++key) {
        if (clientRecords_[key].Held()) {
            keys.push_back(static_cast<int32_t>(key));
        }
    }
    for (const auto& [key, type] : fullClientTypes_) {
        if (!IsRecordKey(key)) {
            keys.push_back(key);
        }
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

bool ItemDatabase::CopyClientDrawing(int32_t key, ItemType& item) const
{
    if (auto it = fullClientTypes_.find(key); it != fullClientTypes_.end()) {
        CopyDrawing(it->second, item);
        return true;
    }
    if (!IsRecordKey(key)) {
        return false;
    }
    clientRecords_[key].CopyDrawingTo(item, clientSprites_);
    return true;
}

int32_t ItemDatabase::ClientToServer(uint32_t clientKey) const
{
    auto it = clientToServer_.find(clientKey);
    return it != clientToServer_.end() ? it->second : 0;
}

void ItemDatabase::AddServerType(int32_t key, ItemType type)
{
    auto [it, inserted] = serverTypes_.try_emplace(key, std::move(type));
    if (inserted) {
        IndexServerType(key, &it->second);
    }
}

void ItemDatabase::SetServerType(int32_t key, ItemType type)
{
    auto& slot = serverTypes_[key];
    slot = std::move(type);
    IndexServerType(key, &slot);
}

void ItemDatabase::SetClientType(int32_t key, const ItemType& type)
{
    if (key < 0 || key >= kRecordKeyLimit) {
        clientTypeCount_ += fullClientTypes_.count(key) == 0 ? 1 : 0;
        KeepClientType(key, type);
        return;
    }
    StoreRecord(key, ClientRecord::From(type), type.spriteIds.Stored());
    // A type with more than its record holds, or one already handed out, is kept in full.
    if (fullClientTypes_.count(key) != 0 ||
        clientRecords_[key].ToItemType(key, clientSprites_) != type) {
        KeepClientType(key, type);
    }
}

void ItemDatabase::SetClientRecord(int32_t key, ClientRecord record, std::span<const uint16_t> spriteIds)
{
    if (key < 0 || key >= kRecordKeyLimit) {
        return;
    }
    record.storedSprites = static_cast<uint8_t>(std::min<size_t>(spriteIds.size(), 255));
    StoreRecord(key, record, spriteIds.first(record.storedSprites));
    if (fullClientTypes_.count(key) != 0) {
        KeepClientType(key, clientRecords_[key].ToItemType(key, clientSprites_));
    }
}

void ItemDatabase::StoreRecord(int32_t key, ClientRecord record, std::span<const uint16_t> spriteIds)
{
    if (static_cast<size_t>(key) >= clientRecords_.size()) {
        clientRecords_.resize(static_cast<size_t>(key) + 1, ClientRecord{});
    }
    ClientRecord& slot = clientRecords_[key];
    if (!slot.Held() && fullClientTypes_.count(key) == 0) {
        ++clientTypeCount_;
    }
    // A replaced record reuses its ids' place when the new ids fit there.
    if (slot.Held() && spriteIds.size() <= slot.storedSprites) {
        record.firstSprite = slot.firstSprite;
    } else {
        record.firstSprite = static_cast<uint32_t>(clientSprites_.size());
        clientSprites_.resize(clientSprites_.size() + spriteIds.size());
    }
    std::copy(spriteIds.begin(), spriteIds.end(), clientSprites_.begin() + record.firstSprite);
    slot = record;
}

const ItemType* ItemDatabase::KeepClientType(int32_t key, const ItemType& type) const
{
    auto [it, inserted] = fullClientTypes_.try_emplace(key, type);
    if (!inserted) {
        it->second = type;
    }
    const bool serverHeld = IsIndexedKey(key) && static_cast<size_t>(key) < serverIndex_.size() &&
                            serverIndex_[key];
    if (!serverHeld) {
        IndexType(key, &it->second);
    }
    return &it->second;
}

void ItemDatabase::MapClientToServer(uint32_t clientKey, int32_t serverKey)
{
    clientToServer_[clientKey] = serverKey;
}

void ItemDatabase::IndexServerType(int32_t key, const ItemType* type)
{
    if (!IsIndexedKey(key)) {
        return;
    }
    if (static_cast<size_t>(key) >= serverIndex_.size()) {
        serverIndex_.resize(static_cast<size_t>(key) + 1, nullptr);
    }
    serverIndex_[key] = type;
    IndexType(key, type);
}

void ItemDatabase::IndexType(int32_t key, const ItemType* type) const
{
    if (!IsIndexedKey(key)) {
        return;
    }
    if (static_cast<size_t>(key) >= typeIndex_.size()) {
        typeIndex_.resize(static_cast<size_t>(key) + 1, nullptr);
    }
    typeIndex_[key] = type;
}

}  // namespace tessark
