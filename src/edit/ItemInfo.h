#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessark {

class ItemDatabase;
class ToolContext;
struct ItemType;

// What the information window shows of an item type besides its picture.
struct ItemInfoText {
    std::string id;        // key + 100
    std::string clientId;  // the type's client id
    std::vector<std::string> lines;

    bool operator==(const ItemInfoText&) const = default;
};

// The information window's content: which type it follows and the lines it shows of it.
class ItemInfo {
public:
    // The key the window follows: the chosen thing's type with the select tool (none when the
    // chosen thing is no item), the brush type with the paint brush, none with other tools.
    static std::optional<int32_t> FollowedKey(const ToolContext& context);

    // The text of the type under the key (server type, else client type); none when no type has
    // the key or the window already shows it. The window remembers the key shown.
    std::optional<ItemInfoText> Show(const ItemDatabase& database, int32_t key);
    std::optional<int32_t> ShownKey() const { return shown_; }

    // The lines of the type, by its group.
    static ItemInfoText Describe(int32_t key, const ItemType& type);

private:
    std::optional<int32_t> shown_;
};

}  // namespace tessark
