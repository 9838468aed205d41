#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "model/Thing.h"

namespace tessark {

class ItemDatabase;
class XmlAttributes;
struct ItemType;

// A placed item of some item type. The type data is looked up in the item database the caller
// passes; an item only stores its type key.
//
// Kept small because a map holds millions of them: the fields most items never use (action id,
// unique id, text, special description) live behind one pointer that is null while they all
// hold their defaults.
class CItem : public CThing {
public:
    // Applies the count rules of the key's server type.
    CItem(const ItemDatabase& database, int32_t typeKey, int32_t count);
    ~CItem() override;

    ThingKind Kind() const override { return ThingKind::Item; }
    // An exact copy, unique id included, of the same class.
    virtual std::unique_ptr<CItem> Clone() const;

    // The count a new item of this type keeps: 1..100 for stackables and runes, 0..255 for
    // splashes and fluid containers, otherwise (and when out of range) 1.
    static int32_t ApplyCountRules(const ItemType& type, int32_t count);
    // Stackables, splashes and fluid containers carry their count as a byte in the map files.
    static bool HasCountByte(const ItemType& type);

    int32_t GetTypeKey() const { return typeKey_; }
    void SetTypeKey(int32_t typeKey) { typeKey_ = static_cast<uint16_t>(typeKey); }
    // Stack size, charges, fluid kind, a door's door id or a wall-hanging's facing.
    int32_t GetCount() const { return count_; }
    void SetCount(int32_t count) { count_ = count; }
    uint32_t GetActionId() const { return extras_ ? extras_->actionId : 0; }
    void SetActionId(uint32_t actionId);
    uint32_t GetUniqueId() const { return extras_ ? extras_->uniqueId : 0; }
    void SetUniqueId(uint32_t uniqueId);
    // An absent text reads as empty; setting an empty text releases it.
    std::string_view GetText() const;
    void SetText(std::string_view text);
    std::string_view GetSpecialDescription() const;
    void SetSpecialDescription(std::string_view text);

    const ItemType& GetServerType(const ItemDatabase& database) const;
    bool IsGround(const ItemDatabase& database) const;
    bool IsRune(const ItemDatabase& database) const;
    bool IsFluidContainer(const ItemDatabase& database) const;
    bool IsDoor(const ItemDatabase& database) const;
    bool IsReadable(const ItemDatabase& database) const;
    bool IsAlwaysOnTop(const ItemDatabase& database) const;
    bool IsHangeable(const ItemDatabase& database) const;
    // The type's top order when it is always on top, else -1.
    int32_t GetTopOrder(const ItemDatabase& database) const;

    // Node type of an item in a binary map, and the item attributes every item reads.
    static constexpr uint8_t kItemNode = 6;
    enum Attribute : uint8_t {
        kAttributeActionId = 4,
        kAttributeUniqueId = 5,
        kAttributeText = 6,
        kAttributeDescription = 7,
        kAttributeTeleportDestination = 8,
        kAttributeDepotId = 10,
        kAttributeRuneCharges = 12,
        kAttributeDoorId = 14,
    };

    // An item node: the id, the count byte (stackables, splashes, fluid containers), then the
    // attributes: charges of a rune, door id, action id and unique id (low 16 bits), text and
    // special description, each only when it carries something.
    bool NodeIO(FileLoader& loader, bool write, PropStream& props, bool closeNode,
                const ItemDatabase& database) override;
    bool InlineIO(FileLoader& loader, bool write, uint8_t attribute, PropStream& props,
                  const ItemDatabase& database) override;
    // Reads one attribute's payload; false for an attribute this class does not know or too
    // few bytes.
    virtual bool ReadAttribute(uint8_t attribute, PropStream& props);

    // Writing: a ground sets the attribute "ground" of the enclosing element (the element the
    // caller went into); any other item appends an "item" element after the current one with
    // "id", "count", "actionId", "uniqueId", "doorId", "special_description" and "text" as its
    // type calls for. Reading takes these attributes from the current child element
    // (FindChildElement("item")); the count is clamped to its type's range.
    bool XmlIO(CMarkup& xml, bool write, const ItemDatabase& database) override;
    // Reading those attributes from an item element; the classes with extra data add theirs.
    virtual bool ReadXml(const XmlAttributes& attributes, const ItemDatabase& database);

    // typeKey u16, count u32, actionId u32, specialDescription, text. The unique id is left
    // out so that a pasted copy never repeats it.
    void Store(ArchiveWriter& archive) const override;
    bool Load(ArchiveReader& archive) override;

protected:
    // Copies a plain ground into a tile's own storage.
    friend class CTile;

    // For the classes with extra data: count 1 whatever the type.
    explicit CItem(int32_t typeKey);
    CItem(const CItem& other);

    // The attributes every item writes and reads; the classes with extra data add theirs after.
    void WriteXmlAttributes(CMarkup& xml, const ItemDatabase& database) const;

private:
    struct Extras {
        uint32_t actionId = 0;
        uint32_t uniqueId = 0;
        std::string text;
        std::string specialDescription;
    };

    Extras& MutableExtras();
    void ReleaseExtrasIfUnused();

    uint16_t typeKey_ = 0;
    int32_t count_ = 1;
    std::unique_ptr<Extras> extras_;
};

}  // namespace tessark
