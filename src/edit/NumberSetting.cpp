#include "edit/NumberSetting.h"

namespace tessark {

std::optional<std::string> NumberSetting::Check(std::optional<int64_t> entered) const
{
    if (!entered) {
        return "Enter an integer.";
    }
    if (!Changes(*entered) || (*entered >= minimum_ && *entered <= maximum_)) {
        return std::nullopt;
    }
    return "Enter an integer between " + std::to_string(minimum_) + " and " +
           std::to_string(maximum_) + ".";
}

}  // namespace tessark
