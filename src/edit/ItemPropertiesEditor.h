#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/Position.h"

namespace tessark {

class CItem;
class CTessarkDoc;

// The fields of the item properties dialog. Numbers are none when the field holds no number.
struct ItemPropertiesForm {
    // Which group of controls shows besides count, action id and unique id (at most one).
    bool teleportMode = false;
    bool doorMode = false;
    bool textMode = false;
    bool countEnabled = false;
    bool textEnabled = false;
    int32_t typeKey = 65535;

    std::optional<int64_t> count;
    std::optional<int64_t> actionId;
    std::optional<int64_t> uniqueId;
    std::optional<int64_t> doorId;
    std::optional<int64_t> destX;
    std::optional<int64_t> destY;
    std::optional<int64_t> destZ;
    // With CR LF line ends, as a multi-line edit field shows them.
    std::string text;
};

enum class PropertiesField { Count, ActionId, UniqueId, DoorId, Text, DestX, DestY, DestZ };

// Why OK was refused: the field to put the focus on and the warning to show.
struct PropertiesProblem {
    PropertiesField field;
    std::string message;

    bool operator==(const PropertiesProblem&) const = default;
};

struct PropertiesRange {
    int64_t minimum = 0;
    int64_t maximum = 0;
};

// The rules of the item properties dialog for one placed item: what it shows, the ranges of
// its spinners, the checks when OK is pressed and what OK writes back to the item, the map's
// unique ids and the door ids of the house the item stands in. The ranges are those the map
// files can store, so a value the dialog takes is never changed by a save.
class ItemPropertiesEditor {
public:
    static constexpr int64_t kMaxId = 65535;
    static constexpr int64_t kMaxDoorId = 255;
    static constexpr int64_t kMaxDestXY = 65535;
    static constexpr int64_t kMaxDestZ = 15;
    static constexpr size_t kMaxTextLength = 512;
    static constexpr const char* kUniqueIdInUse = "This unique id is already in use!";
    static constexpr const char* kDoorIdInUse = "This door id is already in use in this house.";

    // The item must stay on the map, at the position, until the editor is gone.
    ItemPropertiesEditor(CTessarkDoc& document, CItem& item, const Position& position);

    // What the dialog shows when it opens.
    const ItemPropertiesForm& Form() const { return opened_; }
    // The spinner's range; the count's is empty (0 to 0) while its field is disabled.
    PropertiesRange Range(PropertiesField field) const;

    // OK: checks every shown field, then the unique id and the door id. On a problem nothing
    // has changed and the dialog stays open; otherwise the item, the unique ids and the door
    // ids are updated and the map is marked modified.
    std::optional<PropertiesProblem> Submit(const ItemPropertiesForm& entered);

    // Line ends of a multi-line field: every CR LF and then every LF becomes CR LF.
    static std::string ToFieldLineEnds(std::string_view stored);
    // Every CR LF becomes LF.
    static std::string ToStoredLineEnds(std::string_view field);

private:
    std::optional<PropertiesProblem> CheckRanges(const ItemPropertiesForm& entered) const;
    std::optional<PropertiesProblem> CheckIds(const ItemPropertiesForm& entered) const;
    void UpdateUniqueIds(uint32_t newId);
    void UpdateDoorIds(uint32_t newId);
    void WriteBack(const ItemPropertiesForm& entered);

    CTessarkDoc& document_;
    CItem& item_;
    Position position_;
    ItemPropertiesForm opened_;
};

}  // namespace tessark
