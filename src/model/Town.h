#pragma once

#include <cstdint>
#include <string>

namespace tessark {

// A town with its temple; stored inside the map file.
class Town {
public:
    // Named "Town" and the id, without a space.
    explicit Town(uint32_t id) : name("Town" + std::to_string(id)), id_(id) {}

    uint32_t GetId() const { return id_; }

    std::string name;
    int32_t templeX = 0;
    int32_t templeY = 0;
    int32_t templeZ = 0;

private:
    uint32_t id_;
};

}  // namespace tessark
