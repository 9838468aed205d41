#include "data/PropStream.h"

#include <bit>
#include <cstring>
#include <limits>

namespace tessark {

bool PropStream::ReadDouble(double& value)
{
    static_assert(std::numeric_limits<double>::is_iec559, "doubles are stored as IEEE 754");
    uint64_t bits = 0;
    if (!ReadU64(bits)) {
        return false;
    }
    value = std::bit_cast<double>(bits);
    return true;
}

bool PropStream::ReadBytes(std::span<uint8_t> out)
{
    if (Remaining() < out.size()) {
        return false;
    }
    if (!out.empty()) {
        std::memcpy(out.data(), position_, out.size());
    }
    position_ += out.size();
    return true;
}

bool PropStream::Skip(size_t count)
{
    if (Remaining() < count) {
        return false;
    }
    position_ += count;
    return true;
}

bool PropStream::ReadString(std::string& text)
{
    if (Remaining() < 2) {
        return false;
    }
    const size_t length = LoadU16(position_);
    if (Remaining() - 2 < length) {
        return false;
    }
    const char* first = reinterpret_cast<const char*>(position_ + 2);
    const void* zero = length ? std::memchr(first, 0, length) : nullptr;
    text.assign(first, zero ? static_cast<const char*>(zero) : first + length);
    position_ += 2 + length;
    return true;
}

}  // namespace tessark
