#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace tessark {

// A named brush group: an ordered list of type keys that the palette shows together and the
// tools paint from.
class CBaseMaterial {
public:
    explicit CBaseMaterial(std::string name) : name(std::move(name)) {}
    virtual ~CBaseMaterial() = default;

    CBaseMaterial(const CBaseMaterial&) = delete;
    CBaseMaterial& operator=(const CBaseMaterial&) = delete;

    virtual void AddItem(int32_t key) = 0;
    virtual int32_t GetItem(int index) const = 0;
    virtual int GetCount() const = 0;

    std::string GetName() const { return name; }

protected:
    std::string name;
};

}  // namespace tessark
