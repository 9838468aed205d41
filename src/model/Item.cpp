#include "model/Item.h"

#include "data/ItemDatabase.h"
#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"

namespace tessark {

CItem::CItem(const ItemDatabase& database, int32_t typeKey, int32_t count)
    : typeKey_(static_cast<uint16_t>(typeKey)),
      count_(ApplyCountRules(database.GetServerType(typeKey), count))
{
}

CItem::CItem(int32_t typeKey) : typeKey_(static_cast<uint16_t>(typeKey)) {}

CItem::~CItem() = default;

int32_t CItem::ApplyCountRules(const ItemType& type, int32_t count)
{
    if (type.stackable) {
        return count >= 1 && count <= 100 ? count : 1;
    }
    if (type.group == ItemGroup::Splash || type.group == ItemGroup::FluidContainer) {
        return count >= 0 && count <= 255 ? count : 1;
    }
    if (type.group == ItemGroup::Rune) {
        return count >= 1 && count <= 100 ? count : 1;
    }
    return 1;
}

bool CItem::HasCountByte(const ItemType& type)
{
    return type.stackable || type.group == ItemGroup::Splash ||
           type.group == ItemGroup::FluidContainer;
}

uint32_t CItem::GetActionId() const { return extras_ ? extras_->actionId : 0; }

void CItem::SetActionId(uint32_t actionId)
{
    if (actionId != 0) {
        MutableExtras().actionId = actionId;
    } else if (extras_) {
        extras_->actionId = 0;
        ReleaseExtrasIfUnused();
    }
}

uint32_t CItem::GetUniqueId() const { return extras_ ? extras_->uniqueId : 0; }

void CItem::SetUniqueId(uint32_t uniqueId)
{
    if (uniqueId != 0) {
        MutableExtras().uniqueId = uniqueId;
    } else if (extras_) {
        extras_->uniqueId = 0;
        ReleaseExtrasIfUnused();
    }
}

std::string_view CItem::GetText() const
{
    return extras_ ? std::string_view(extras_->text) : std::string_view();
}

void CItem::SetText(std::string_view text)
{
    if (!text.empty()) {
        MutableExtras().text.assign(text);
    } else if (extras_) {
        std::string().swap(extras_->text);
        ReleaseExtrasIfUnused();
    }
}

std::string_view CItem::GetSpecialDescription() const
{
    return extras_ ? std::string_view(extras_->specialDescription) : std::string_view();
}

void CItem::SetSpecialDescription(std::string_view text)
{
    if (!text.empty()) {
        MutableExtras().specialDescription.assign(text);
    } else if (extras_) {
        std::string().swap(extras_->specialDescription);
        ReleaseExtrasIfUnused();
    }
}

CItem::Extras& CItem::MutableExtras()
{
    if (!extras_) {
        extras_ = std::make_unique<Extras>();
    }
    return *extras_;
}

void CItem::ReleaseExtrasIfUnused()
{
    if (extras_ && extras_->actionId == 0 && extras_->uniqueId == 0 && extras_->text.empty() &&
        extras_->specialDescription.empty()) {
        extras_.reset();
    }
}

const ItemType& CItem::GetServerType(const ItemDatabase& database) const
{
    return database.GetServerType(typeKey_);
}

bool CItem::IsGround(const ItemDatabase& database) const
{
    return GetServerType(database).group == ItemGroup::Ground;
}

bool CItem::IsRune(const ItemDatabase& database) const
{
    return GetServerType(database).group == ItemGroup::Rune;
}

bool CItem::IsFluidContainer(const ItemDatabase& database) const
{
    return GetServerType(database).group == ItemGroup::FluidContainer;
}

bool CItem::IsDoor(const ItemDatabase& database) const
{
    return GetServerType(database).group == ItemGroup::Door;
}

bool CItem::IsReadable(const ItemDatabase& database) const
{
    return GetServerType(database).readable;
}

bool CItem::IsAlwaysOnTop(const ItemDatabase& database) const
{
    return GetServerType(database).alwaysOnTop;
}

bool CItem::IsHangeable(const ItemDatabase& database) const
{
    return GetServerType(database).hangeable;
}

int32_t CItem::GetTopOrder(const ItemDatabase& database) const
{
    const ItemType& type = GetServerType(database);
    return type.alwaysOnTop ? type.topOrder : -1;
}

void CItem::Store(ArchiveWriter& archive) const
{
    archive.WriteU16(typeKey_);
    archive.WriteU32(static_cast<uint32_t>(count_));
    archive.WriteU32(GetActionId());
    archive.WriteString(GetSpecialDescription());
    archive.WriteString(GetText());
}

bool CItem::Load(ArchiveReader& archive)
{
    uint16_t typeKey = 0;
    uint32_t count = 0;
    uint32_t actionId = 0;
    std::string specialDescription;
    std::string text;
    if (!archive.ReadU16(typeKey) || !archive.ReadU32(count) || !archive.ReadU32(actionId) ||
        !archive.ReadString(specialDescription) || !archive.ReadString(text)) {
        return false;
    }
    typeKey_ = typeKey;
    count_ = static_cast<int32_t>(count);
    SetActionId(actionId);
    SetUniqueId(0);
    SetSpecialDescription(specialDescription);
    SetText(text);
    return true;
}

}  // namespace tessark
