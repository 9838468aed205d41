#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/BaseMaterial.h"

namespace tessark {

// The one concrete material: type keys in insertion order, duplicates kept.
class CMaterial final : public CBaseMaterial {
public:
    explicit CMaterial(std::string name);

    void AddItem(int32_t key) override;
    // -1 for an index outside 0 .. GetCount() - 1; no type has that key.
    int32_t GetItem(int index) const override;
    int GetCount() const override;

private:
    std::vector<int32_t> items;
};

}  // namespace tessark
