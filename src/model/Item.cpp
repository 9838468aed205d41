#include "model/Item.h"

#include <algorithm>

#include "data/FileLoader.h"
#include "data/ItemDatabase.h"
#include "data/PropStream.h"
#include "platform/LittleEndian.h"
#include "platform/ArchiveReader.h"
#include "platform/ArchiveWriter.h"
#include "xml/Markup.h"
#include "xml/XmlAttributes.h"
#include "xml/XmlNameSet.h"

namespace tessark {

CItem::CItem(const ItemDatabase& database, int32_t typeKey, int32_t count)
    : typeKey_(static_cast<uint16_t>(typeKey)),
      count_(ApplyCountRules(database.GetServerType(typeKey), count))
{
}

CItem::CItem(int32_t typeKey) : typeKey_(static_cast<uint16_t>(typeKey)) {}

CItem::~CItem() = default;

CItem::CItem(const CItem& other)
    : CThing(other), typeKey_(other.typeKey_), count_(other.count_),
      extras_(other.extras_ ? std::make_unique<Extras>(*other.extras_) : nullptr)
{
}

std::unique_ptr<CItem> CItem::Clone() const { return std::unique_ptr<CItem>(new CItem(*this)); }

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

void CItem::SetActionId(uint32_t actionId)
{
    if (actionId != 0) {
        MutableExtras().actionId = actionId;
    } else if (extras_) {
        extras_->actionId = 0;
        ReleaseExtrasIfUnused();
    }
}

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

bool CItem::XmlIO(CMarkup& xml, bool write, const ItemDatabase& database)
{
    if (!write) {
        return ReadXml(xml.ChildAttributes(), database);
    }
    if (IsGround(database)) {
        // The tile element is the parent here; stepping out and back in keeps the position.
        if (!xml.OutOfElement()) {
            return false;
        }
        const bool set = xml.SetAttribute("ground", GetTypeKey() + kTypeKeyOffset);
        xml.IntoElement();
        return set;
    }
    if (!xml.AddElement("item")) {
        return false;
    }
    WriteXmlAttributes(xml, database);
    return true;
}

void CItem::WriteXmlAttributes(CMarkup& xml, const ItemDatabase& database) const
{
    const ItemType& type = GetServerType(database);
    xml.SetAttribute("id", GetTypeKey() + kTypeKeyOffset);
    if (type.stackable || type.group == ItemGroup::Rune || type.group == ItemGroup::Splash ||
        type.group == ItemGroup::FluidContainer) {
        xml.SetAttribute("count", count_);
    }
    if (GetActionId() != 0) {
        xml.SetAttribute("actionId", static_cast<int>(GetActionId()));
    }
    if (GetUniqueId() != 0) {
        xml.SetAttribute("uniqueId", static_cast<int>(GetUniqueId()));
    }
    if (type.group == ItemGroup::Door) {
        xml.SetAttribute("doorId", count_);
    }
    if (!GetSpecialDescription().empty()) {
        xml.SetAttribute("special_description", GetSpecialDescription());
    }
    if (!GetText().empty()) {
        xml.SetAttribute("text", GetText());
    }
}

bool CItem::ReadXml(const XmlAttributes& attributes, const ItemDatabase& database)
{
    // One walk over the element for all of them: a map holds hundreds of thousands of items.
    static const XmlNameSet kNames{"count", "actionId", "uniqueId", "doorId", "special_description", "text"};
    std::string values[6];
    attributes.GetMany(kNames, values);
    const ItemType& type = GetServerType(database);
    const int count = ReadXmlNumber(values[0]);
    if (type.stackable || type.group == ItemGroup::Rune) {
        count_ = std::clamp(count, 1, 100);
    } else if (type.group == ItemGroup::Splash || type.group == ItemGroup::FluidContainer) {
        count_ = std::clamp(count, 0, 255);
    }
    SetActionId(static_cast<uint32_t>(ReadXmlNumber(values[1])));
    SetUniqueId(static_cast<uint32_t>(ReadXmlNumber(values[2])));
    if (type.group == ItemGroup::Door) {
        count_ = ReadXmlNumber(values[3]);
    }
    SetSpecialDescription(values[4]);
    SetText(values[5]);
    return true;
}

bool CItem::NodeIO(FileLoader& loader, bool write, PropStream& props, bool closeNode,
                   const ItemDatabase& database)
{
    const ItemType& type = GetServerType(database);
    if (!write) {
        if (HasCountByte(type)) {
            uint8_t count = 0;
            if (!props.ReadU8(count)) {
                return false;
            }
            count_ = count;
        }
        while (!props.Empty()) {
            uint8_t attribute = 0;
            if (!props.ReadU8(attribute) || !ReadAttribute(attribute, props)) {
                return false;
            }
        }
        return true;
    }

    std::vector<uint8_t> head;
    AppendU16(head, static_cast<uint16_t>(GetTypeKey() + kTypeKeyOffset));
    if (HasCountByte(type)) {
        head.push_back(static_cast<uint8_t>(count_));
    }
    bool ok = loader.StartNode(kItemNode) && loader.WriteBytes(head, true);
    const auto writeByte = [&](uint8_t attribute, uint8_t value) {
        ok = ok && loader.WriteAttribute(attribute, &value, 1) == 0;
    };
    const auto writeWord = [&](uint8_t attribute, uint32_t value) {
        std::vector<uint8_t> bytes;
        AppendU16(bytes, static_cast<uint16_t>(value));
        ok = ok && loader.WriteAttribute(attribute, bytes) == 0;
    };
    if (type.group == ItemGroup::Rune) {
        writeByte(kAttributeRuneCharges, static_cast<uint8_t>(count_));
    }
    if (type.group == ItemGroup::Door && count_ != 0) {
        writeByte(kAttributeDoorId, static_cast<uint8_t>(count_));
    }
    if (GetActionId() != 0) {
        writeWord(kAttributeActionId, GetActionId());
    }
    if (GetUniqueId() != 0) {
        writeWord(kAttributeUniqueId, GetUniqueId());
    }
    if (!GetText().empty()) {
        ok = ok && loader.WriteStringAttribute(kAttributeText, GetText()) == 0;
    }
    if (!GetSpecialDescription().empty()) {
        ok = ok && loader.WriteStringAttribute(kAttributeDescription, GetSpecialDescription()) == 0;
    }
    if (closeNode) {
        ok = ok && loader.EndNode();
    }
    return ok;
}

bool CItem::InlineIO(FileLoader& loader, bool write, uint8_t attribute, PropStream& props,
                     const ItemDatabase& database)
{
    const ItemType& type = GetServerType(database);
    if (!write) {
        if (HasCountByte(type)) {
            uint8_t count = 0;
            if (!props.ReadU8(count)) {
                return false;
            }
            count_ = count;
        }
        return true;
    }
    std::vector<uint8_t> bytes;
    AppendU16(bytes, static_cast<uint16_t>(GetTypeKey() + kTypeKeyOffset));
    if (HasCountByte(type)) {
        bytes.push_back(static_cast<uint8_t>(count_));
    }
    return loader.WriteAttribute(attribute, bytes) == 0;
}

bool CItem::ReadAttribute(uint8_t attribute, PropStream& props)
{
    switch (attribute) {
    case kAttributeActionId:
    case kAttributeUniqueId: {
        uint16_t value = 0;
        if (!props.ReadU16(value)) {
            return false;
        }
        attribute == kAttributeActionId ? SetActionId(value) : SetUniqueId(value);
        return true;
    }
    case kAttributeText:
    case kAttributeDescription: {
        std::string text;
        if (!props.ReadString(text)) {
            return false;
        }
        attribute == kAttributeText ? SetText(text) : SetSpecialDescription(text);
        return true;
    }
    case kAttributeRuneCharges:
    case kAttributeDoorId: {
        uint8_t count = 0;
        if (!props.ReadU8(count)) {
            return false;
        }
        count_ = count;
        return true;
    }
    default:
        return false;
    }
}

}  // namespace tessark
