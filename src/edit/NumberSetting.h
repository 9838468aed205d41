#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tessark {

// One whole number a small dialog edits. The stored value is shown as it is, even outside the
// range (a file may hold one), and OK with that value unchanged keeps it; anything the user
// entered must lie within the range.
class NumberSetting {
public:
    NumberSetting(int64_t stored, int64_t minimum, int64_t maximum)
        : stored_(stored), minimum_(minimum), maximum_(maximum)
    {
    }

    int64_t Stored() const { return stored_; }
    int64_t Minimum() const { return minimum_; }
    int64_t Maximum() const { return maximum_; }

    // The warning that refuses the entered value, or none.
    std::optional<std::string> Check(std::optional<int64_t> entered) const;
    // Whether OK with this (accepted) value changes anything.
    bool Changes(int64_t entered) const { return entered != stored_; }

private:
    int64_t stored_;
    int64_t minimum_;
    int64_t maximum_;
};

}  // namespace tessark
