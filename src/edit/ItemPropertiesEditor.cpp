#include "edit/ItemPropertiesEditor.h"

#include "data/ItemDatabase.h"
#include "model/EditStep.h"
#include "model/House.h"
#include "model/Item.h"
#include "model/TeleportItem.h"
#include "model/TessarkDoc.h"
#include "platform/Utf8.h"

namespace tessark {
namespace {

std::string RangeMessage(const PropertiesRange& range)
{
    return "Enter an integer between " + std::to_string(range.minimum) + " and " +
           std::to_string(range.maximum) + ".";
}

// Characters as the field counts them; a byte that starts no UTF-8 sequence is one (Latin-1).
size_t CharacterCount(std::string_view text)
{
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++count) {
        const size_t length = Utf8SequenceLength(text, i);
        i += length == 0 ? 1 : length;
    }
    return count;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    result.reserve(text.size());
    size_t start = 0;
    for (size_t found = text.find(from); found != std::string_view::npos;
         found = text.find(from, start)) {
        result.append(text.substr(start, found - start)).append(to);
        start = found + from.size();
    }
    result.append(text.substr(start));
    return result;
}

// The count field by the server type, first match: stackables, splashes, fluid containers, runes.
std::optional<PropertiesRange> CountRange(const ItemType& type)
{
    if (type.stackable) {
        return PropertiesRange{1, 100};
    }
    switch (type.group) {
    case ItemGroup::Splash:
    case ItemGroup::FluidContainer:
        return PropertiesRange{0, 255};
    case ItemGroup::Rune:
        return PropertiesRange{1, 100};
    default:
        return std::nullopt;
    }
}

}  // namespace

ItemPropertiesEditor::ItemPropertiesEditor(CTessarkDoc& document, CItem& item,
                                           const Position& position)
    : document_(document), item_(item), position_(position)
{
    const ItemDatabase& database = document.Database();
    const ItemType& type = item.GetServerType(database);
    opened_.typeKey = item.GetTypeKey();
    opened_.countEnabled = CountRange(type).has_value();
    // A field the dialog does not enable shows 0 (the item's own count is kept, see WriteBack).
    opened_.count = opened_.countEnabled ? item.GetCount() : 0;
    opened_.actionId = item.GetActionId();
    opened_.uniqueId = item.GetUniqueId();
    opened_.doorId = 0;
    opened_.destX = 0;
    opened_.destY = 0;
    opened_.destZ = 0;
    if (item.Kind() == ThingKind::Teleport) {
        const auto& teleport = static_cast<const CTeleportItem&>(item);
        opened_.teleportMode = true;
        opened_.destX = teleport.GetDestX();
        opened_.destY = teleport.GetDestY();
        opened_.destZ = teleport.GetDestZ();
    }
    if (item.IsDoor(database) && document.FindHouseAt(position)) {
        opened_.doorMode = true;
        opened_.doorId = item.GetCount();
    }
    if (item.IsReadable(database)) {
        opened_.textMode = true;
        opened_.textEnabled = true;
        opened_.text = ToFieldLineEnds(item.GetText());
    }
    // One group of controls shows: teleport, else door, else text.
    opened_.doorMode = opened_.doorMode && !opened_.teleportMode;
    opened_.textMode = opened_.textMode && !opened_.teleportMode && !opened_.doorMode;
}

PropertiesRange ItemPropertiesEditor::Range(PropertiesField field) const
{
    switch (field) {
    case PropertiesField::Count:
        return CountRange(item_.GetServerType(document_.Database())).value_or(PropertiesRange{});
    case PropertiesField::ActionId:
    case PropertiesField::UniqueId:
        return {0, kMaxId};
    case PropertiesField::DoorId:
        return {1, kMaxDoorId};
    case PropertiesField::DestX:
    case PropertiesField::DestY:
        return {1, kMaxDestXY};
    case PropertiesField::DestZ:
        return {0, kMaxDestZ};
    case PropertiesField::Text:
        return {0, static_cast<int64_t>(kMaxTextLength)};
    }
    return {};
}

std::optional<PropertiesProblem> ItemPropertiesEditor::CheckRanges(
    const ItemPropertiesForm& entered) const
{
    const auto check = [&](PropertiesField field,
                           const std::optional<int64_t>& value) -> std::optional<PropertiesProblem> {
        if (!value) {
            return PropertiesProblem{field, "Enter an integer."};
        }
        const PropertiesRange range = Range(field);
        if (*value < range.minimum || *value > range.maximum) {
            return PropertiesProblem{field, RangeMessage(range)};
        }
        return std::nullopt;
    };
    std::optional<PropertiesProblem> problem;
    if (opened_.countEnabled && (problem = check(PropertiesField::Count, entered.count))) {
        return problem;
    }
    if ((problem = check(PropertiesField::ActionId, entered.actionId)) ||
        (problem = check(PropertiesField::UniqueId, entered.uniqueId))) {
        return problem;
    }
    if (opened_.doorMode && (problem = check(PropertiesField::DoorId, entered.doorId))) {
        return problem;
    }
    // A longer text read from a map is kept as long as it is left alone.
    if (opened_.textEnabled && entered.text != opened_.text &&
        CharacterCount(ToStoredLineEnds(entered.text)) > kMaxTextLength) {
        return PropertiesProblem{PropertiesField::Text, "Enter no more than " +
                                                            std::to_string(kMaxTextLength) +
                                                            " characters."};
    }
    if (opened_.teleportMode &&
        ((problem = check(PropertiesField::DestX, entered.destX)) ||
         (problem = check(PropertiesField::DestY, entered.destY)) ||
         (problem = check(PropertiesField::DestZ, entered.destZ)))) {
        return problem;
    }
    return std::nullopt;
}

std::optional<PropertiesProblem> ItemPropertiesEditor::CheckIds(
    const ItemPropertiesForm& entered) const
{
    const auto newUnique = static_cast<uint32_t>(*entered.uniqueId);
    const auto oldUnique = static_cast<uint32_t>(*opened_.uniqueId);
    if (newUnique != 0 && newUnique != oldUnique && document_.UniqueIds().IsUsed(newUnique)) {
        return PropertiesProblem{PropertiesField::UniqueId, kUniqueIdInUse};
    }
    if (opened_.doorMode) {
        const auto newDoor = static_cast<uint32_t>(*entered.doorId);
        const House* house = document_.FindHouseAt(position_);
        if (house && newDoor != static_cast<uint32_t>(*opened_.doorId) && house->HasDoor(newDoor)) {
            return PropertiesProblem{PropertiesField::DoorId, kDoorIdInUse};
        }
    }
    return std::nullopt;
}

std::optional<PropertiesProblem> ItemPropertiesEditor::Submit(const ItemPropertiesForm& entered)
{
    // Every check runs before anything changes, so a refused OK leaves the lists as they were.
    if (auto problem = CheckRanges(entered)) {
        return problem;
    }
    if (auto problem = CheckIds(entered)) {
        return problem;
    }
    EditStep step(document_, "Item Properties");
    document_.NoteTileChange(position_);
    UpdateUniqueIds(static_cast<uint32_t>(*entered.uniqueId));
    if (opened_.doorMode) {
        UpdateDoorIds(static_cast<uint32_t>(*entered.doorId));
    }
    WriteBack(entered);
    document_.SetModifiedFlag(true);
    return std::nullopt;
}

void ItemPropertiesEditor::UpdateUniqueIds(uint32_t newId)
{
    const auto oldId = static_cast<uint32_t>(*opened_.uniqueId);
    UsedUniqueIds& used = document_.UniqueIds();
    if (newId != 0 && newId == oldId) {
        if (!used.IsUsed(newId)) {
            used.Register(newId);
        }
        return;
    }
    used.Unregister(oldId);
    used.Register(newId);
}

void ItemPropertiesEditor::UpdateDoorIds(uint32_t newId)
{
    const auto oldId = static_cast<uint32_t>(*opened_.doorId);
    House* house = document_.FindHouseAt(position_);
    // An unchanged id is not listed a second time.
    if (!house || (newId != 0 && newId == oldId)) {
        return;
    }
    if (oldId != 0) {
        house->RemoveDoor(oldId);
    }
    if (newId != 0) {
        house->AddDoor(newId);
    }
}

void ItemPropertiesEditor::WriteBack(const ItemPropertiesForm& entered)
{
    item_.SetActionId(static_cast<uint32_t>(*entered.actionId));
    item_.SetUniqueId(static_cast<uint32_t>(*entered.uniqueId));
    // A count the dialog did not show stays: it may be a door id or a hanging's facing.
    if (opened_.countEnabled) {
        item_.SetCount(static_cast<int32_t>(*entered.count));
    }
    if (opened_.doorMode && *entered.doorId != 0) {
        item_.SetCount(static_cast<int32_t>(*entered.doorId));
    }
    // Only a changed text is written, so an untouched one keeps its bytes and line ends.
    if (opened_.textEnabled && entered.text != opened_.text) {
        item_.SetText(ToStoredLineEnds(entered.text));
    }
    if (opened_.teleportMode) {
        static_cast<CTeleportItem&>(item_).SetDestination(static_cast<uint32_t>(*entered.destX),
                                                          static_cast<uint32_t>(*entered.destY),
                                                          static_cast<uint32_t>(*entered.destZ));
    }
}

std::string ItemPropertiesEditor::ToFieldLineEnds(std::string_view stored)
{
    return ReplaceAll(ReplaceAll(stored, "\r\n", "\n"), "\n", "\r\n");
}

std::string ItemPropertiesEditor::ToStoredLineEnds(std::string_view field)
{
    return ReplaceAll(field, "\r\n", "\n");
}

}  // namespace tessark
