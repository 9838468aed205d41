#pragma once

#include <memory>

#include "model/Item.h"

namespace tessark {

// An item of a teleport type (group 7): carries the destination it sends to.
class CTeleportItem : public CItem {
public:
    explicit CTeleportItem(int32_t typeKey) : CItem(typeKey) {}

    ThingKind Kind() const override { return ThingKind::Teleport; }
    std::unique_ptr<CItem> Clone() const override { return std::make_unique<CTeleportItem>(*this); }

    uint32_t GetDestX() const { return destX_; }
    uint32_t GetDestY() const { return destY_; }
    uint32_t GetDestZ() const { return destZ_; }
    void SetDestination(uint32_t x, uint32_t y, uint32_t z)
    {
        destX_ = x;
        destY_ = y;
        destZ_ = z;
    }

    bool XmlIO(CMarkup& xml, bool write, const ItemDatabase& database) override;
    bool ReadXml(const XmlAttributes& attributes, const ItemDatabase& database) override;
    bool NodeIO(FileLoader& loader, bool write, PropStream& props, bool closeNode,
                const ItemDatabase& database) override;
    bool ReadAttribute(uint8_t attribute, PropStream& props) override;

    // The item's fields, then destX, destY, destZ as u32.
    void Store(ArchiveWriter& archive) const override;
    bool Load(ArchiveReader& archive) override;

private:
    uint32_t destX_ = 0;
    uint32_t destY_ = 0;
    uint32_t destZ_ = 0;
};

}  // namespace tessark
