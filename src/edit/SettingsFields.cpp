#include "edit/SettingsFields.h"

#include "platform/Utf8.h"

namespace tessark {
namespace {

// The case-folded characters of a name: ASCII letters, and the Latin-1 capitals in their
// two-byte UTF-8 form (C3 80 to C3 9E, except the multiplication sign C3 97).
std::string Folded(std::string_view text)
{
    std::string folded(text);
    for (size_t i = 0; i < folded.size(); ++i) {
        auto& c = reinterpret_cast<unsigned char&>(folded[i]);
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<unsigned char>(c + 32);
        } else if (c == 0xC3 && i + 1 < folded.size()) {
            auto& next = reinterpret_cast<unsigned char&>(folded[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) {
                next = static_cast<unsigned char>(next + 32);
            }
            ++i;
        }
    }
    return folded;
}

}  // namespace

SettingsRange SettingsFields::Range(SettingsField field)
{
    switch (field) {
    case SettingsField::X:
    case SettingsField::Y:
        return {1, 65535};
    case SettingsField::Z:
        return {0, 15};
    case SettingsField::Cost:
        return {0, 99999999};
    case SettingsField::Name:
        return {0, static_cast<int64_t>(kMaxNameLength)};
    }
    return {};
}

std::optional<SettingsProblem> SettingsFields::CheckName(std::string_view name)
{
    size_t characters = 0;
    for (size_t i = 0; i < name.size(); ++characters) {
        const size_t length = Utf8SequenceLength(name, i);
        i += length == 0 ? 1 : length;  // a byte that is no UTF-8 shows as one Latin-1 letter
    }
    if (characters > kMaxNameLength) {
        return SettingsProblem{SettingsField::Name,
                               "Enter no more than " + std::to_string(kMaxNameLength) +
                                   " characters."};
    }
    return std::nullopt;
}

std::optional<SettingsProblem> SettingsFields::CheckNumber(SettingsField field,
                                                           const std::optional<int64_t>& value)
{
    if (!value) {
        return SettingsProblem{field, "Enter an integer."};
    }
    const SettingsRange range = Range(field);
    if (*value < range.minimum || *value > range.maximum) {
        return SettingsProblem{field, "Enter an integer between " + std::to_string(range.minimum) +
                                          " and " + std::to_string(range.maximum) + "."};
    }
    return std::nullopt;
}

bool SettingsFields::SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && Folded(a) == Folded(b);
}

std::string SettingsFields::LineText(uint32_t id, std::string_view name)
{
    return std::to_string(id) + " - " + std::string(name);
}

}  // namespace tessark
