#pragma once

#include <memory>

#include "model/Item.h"

namespace tessark {

// An item of a depot type (group 14): carries the depot id, 1 unless set.
class CDepotItem : public CItem {
public:
    explicit CDepotItem(int32_t typeKey) : CItem(typeKey) {}

    ThingKind Kind() const override { return ThingKind::Depot; }
    std::unique_ptr<CItem> Clone() const override { return std::make_unique<CDepotItem>(*this); }

    uint32_t GetDepotId() const { return depotId_; }
    void SetDepotId(uint32_t depotId) { depotId_ = depotId; }

    bool XmlIO(CMarkup& xml, bool write, const ItemDatabase& database) override;
    bool ReadXml(const XmlAttributes& attributes, const ItemDatabase& database) override;
    bool NodeIO(FileLoader& loader, bool write, PropStream& props, bool closeNode,
                const ItemDatabase& database) override;
    bool ReadAttribute(uint8_t attribute, PropStream& props) override;

    // The item's fields, then depotId as u32.
    void Store(ArchiveWriter& archive) const override;
    bool Load(ArchiveReader& archive) override;

private:
    uint32_t depotId_ = 1;
};

}  // namespace tessark
