#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace tessark {

// Attribute names prepared once for reading millions of tags: which of them an attribute of a
// plain tag (see XmlPlainTag) gives its value to, found by the attribute's first character.
class XmlNameSet {
public:
    static constexpr size_t kMaxNames = 16;

    // At most kMaxNames names; the views must outlive the set.
    XmlNameSet(std::initializer_list<std::string_view> names);

    std::span<const std::string_view> Names() const { return {names_.data(), count_}; }

    // One bit per name that an attribute name of letters, digits and '_' matches as in the token
    // walk: the name begins with it and ends there or goes on with ' ', '=', '/' or '['.
    uint32_t Matches(std::string_view attribute) const
    {
        uint32_t matches = 0;
        for (uint32_t candidates = byFirst_[static_cast<unsigned char>(attribute[0])]; candidates != 0;
             candidates &= candidates - 1) {
            const int i = std::countr_zero(candidates);
            if (SameAfterFirst(keys_[i], attribute)) {
                matches |= uint32_t{1} << i;
            }
        }
        return matches;
    }

private:
    // For names whose first characters are equal; a loop beats a call for names this short.
    static bool SameAfterFirst(std::string_view a, std::string_view b)
    {
        if (a.size() != b.size()) {
            return false;
        }
        for (size_t i = 1; i < a.size(); ++i) {
            if (a[i] != b[i]) {
                return false;
            }
        }
        return true;
    }

    std::array<std::string_view, kMaxNames> names_;
    // The beginning of each name that an attribute name must equal (empty: none can).
    std::array<std::string_view, kMaxNames> keys_;
    std::array<uint16_t, 256> byFirst_{};
    size_t count_ = 0;
};

}  // namespace tessark
