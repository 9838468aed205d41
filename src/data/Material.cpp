#include "data/Material.h"

#include <utility>

namespace tessark {

CMaterial::CMaterial(std::string name) : CBaseMaterial(std::move(name)) {}

void CMaterial::AddItem(int32_t key)
{
    items.push_back(key);
}

int32_t CMaterial::GetItem(int index) const
{
    if (index < 0 || index >= GetCount()) {
        return -1;
    }
    return items[static_cast<size_t>(index)];
}

int CMaterial::GetCount() const
{
    return static_cast<int>(items.size());
}

}  // namespace tessark
