#include "support/NodeFileBuilder.h"

#include <bit>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tessark::test {

NodeFileBuilder::NodeFileBuilder(bool withIdentifier)
{
    if (withIdentifier) {
        bytes_.assign(4, 0);
    }
}

uint32_t NodeFileBuilder::Start(uint8_t type)
{
    const uint32_t handle = Size();
    bytes_.push_back(0xFE);
    bytes_.push_back(type);
    return handle;
}

NodeFileBuilder& NodeFileBuilder::End()
{
    bytes_.push_back(0xFF);
    return *this;
}

NodeFileBuilder& NodeFileBuilder::Props(std::span<const uint8_t> bytes)
{
    for (uint8_t byte : bytes) {
        if (byte >= 0xFD) {
            bytes_.push_back(0xFD);
        }
        bytes_.push_back(byte);
    }
    return *this;
}

NodeFileBuilder& NodeFileBuilder::Props(std::initializer_list<uint8_t> bytes)
{
    return Props(std::span<const uint8_t>(bytes.begin(), bytes.size()));
}

NodeFileBuilder& NodeFileBuilder::U8(uint8_t value)
{
    return Props({value});
}

NodeFileBuilder& NodeFileBuilder::U16(uint16_t value)
{
    return Props({static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)});
}

NodeFileBuilder& NodeFileBuilder::U32(uint32_t value)
{
    U16(static_cast<uint16_t>(value));
    return U16(static_cast<uint16_t>(value >> 16));
}

NodeFileBuilder& NodeFileBuilder::Double(double value)
{
    const auto bits = std::bit_cast<uint64_t>(value);
    U32(static_cast<uint32_t>(bits));
    return U32(static_cast<uint32_t>(bits >> 32));
}

NodeFileBuilder& NodeFileBuilder::Text(std::string_view text)
{
    return Props(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

NodeFileBuilder& NodeFileBuilder::Raw(std::initializer_list<uint8_t> bytes)
{
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
}

}  // namespace tessark::test
