#include "data/ItemDatabase.h"

#include "data/ClientDataReader.h"
#include "data/ItemNamesReader.h"
#include "data/ItemsFileReader.h"

namespace tessark {

namespace {
// Server keys come from 16-bit ids, so the index stays small.
constexpr int32_t kMaxIndexedKey = 1 << 17;
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

const ItemType* ItemDatabase::GetType(int32_t key) const
{
    if (auto it = serverTypes_.find(key); it != serverTypes_.end()) {
        return &it->second;
    }
    return GetClientType(key);
}

ItemType* ItemDatabase::GetType(int32_t key)
{
    return const_cast<ItemType*>(static_cast<const ItemDatabase*>(this)->GetType(key));
}

const ItemType& ItemDatabase::GetServerType(int32_t key) const
{
    if (key >= 0 && key < static_cast<int32_t>(serverIndex_.size()) && serverIndex_[key]) {
        return *serverIndex_[key];
    }
    if (key >= 0 && key < kMaxIndexedKey) {
        return defaultType_;
    }
    auto it = serverTypes_.find(key);
    return it != serverTypes_.end() ? it->second : defaultType_;
}

ItemType* ItemDatabase::FindServerType(int32_t key)
{
    auto it = serverTypes_.find(key);
    return it != serverTypes_.end() ? &it->second : nullptr;
}

const ItemType* ItemDatabase::GetClientType(int32_t key) const
{
    auto it = clientTypes_.find(key);
    return it != clientTypes_.end() ? &it->second : nullptr;
}

ItemType* ItemDatabase::GetClientType(int32_t key)
{
    auto it = clientTypes_.find(key);
    return it != clientTypes_.end() ? &it->second : nullptr;
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

void ItemDatabase::SetClientType(int32_t key, ItemType type)
{
    clientTypes_[key] = std::move(type);
}

void ItemDatabase::MapClientToServer(uint32_t clientKey, int32_t serverKey)
{
    clientToServer_[clientKey] = serverKey;
}

void ItemDatabase::IndexServerType(int32_t key, const ItemType* type)
{
    if (key < 0 || key >= kMaxIndexedKey) {
        return;
    }
    if (key >= static_cast<int32_t>(serverIndex_.size())) {
        serverIndex_.resize(static_cast<size_t>(key) + 1, nullptr);
    }
    serverIndex_[key] = type;
}

}  // namespace tessark
