#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessark {

// A line of a list box or drop-down: its text and the id it stands for.
struct SettingsLine {
    std::string text;
    int64_t data = 0;

    bool operator==(const SettingsLine&) const = default;
};

// The fields the house and town dialogs share: a name and a position (a house also has a cost).
enum class SettingsField { Name, X, Y, Z, Cost };

// Why a button was refused: the field to put the focus on and the warning to show.
struct SettingsProblem {
    SettingsField field;
    std::string message;

    bool operator==(const SettingsProblem&) const = default;
};

struct SettingsRange {
    int64_t minimum = 0;
    int64_t maximum = 0;
};

// The limits of the house and town fields. X and Y stop at 65535 because the map files store
// 16 bits: 65536 would be saved as 0.
class SettingsFields {
public:
    static constexpr size_t kMaxNameLength = 64;

    static SettingsRange Range(SettingsField field);
    // "Enter no more than 64 characters." past the limit (characters, not bytes).
    static std::optional<SettingsProblem> CheckName(std::string_view name);
    // "Enter an integer." without a number, "Enter an integer between A and B." out of range.
    static std::optional<SettingsProblem> CheckNumber(SettingsField field,
                                                      const std::optional<int64_t>& value);
    // Equal when they differ only in letter case (ASCII and the Latin-1 letters in UTF-8).
    static bool SameNameIgnoringCase(std::string_view a, std::string_view b);
    // "ID - NAME", as the list boxes show houses and towns.
    static std::string LineText(uint32_t id, std::string_view name);
};

}  // namespace tessark
