#include "edit/ItemInfo.h"

#include <cstdio>

#include "data/ItemDatabase.h"
#include "edit/ToolContext.h"
#include "model/Item.h"
#include "model/TessarkDoc.h"

namespace tessark {
namespace {

// The information lines of one type, in the order the window lists them.
class InfoLines {
public:
    explicit InfoLines(const ItemType& type) : type_(type) {}

    std::vector<std::string> Take() { return std::move(lines_); }

    void Line(std::string text) { lines_.push_back(std::move(text)); }
    void Number(const char* label, long long value) { Line(label + std::to_string(value)); }
    void YesNo(const char* label, bool value) { Line(std::string(label) + (value ? "Yes" : "No")); }
    // "Vertical: Yes" and its kind appear only when the flag is set.
    void IfYes(const char* label, bool value)
    {
        if (value) {
            YesNo(label, true);
        }
    }
    void Weight()
    {
        char text[64];
        std::snprintf(text, sizeof text, "Weight: %0.2f", type_.weight);
        Line(text);
    }
    void WeightIfCarried()
    {
        if (type_.pickupable || type_.moveable) {
            Weight();
        }
    }
    void TopOrderIfOnTop()
    {
        if (type_.alwaysOnTop) {
            Number("Top order: ", type_.topOrder);
        }
    }
    void Decay()
    {
        if (type_.decayTo != 0) {
            Line("Decay time: " + std::to_string(type_.decayTime) + " seconds");
            Number("Decay to: ", type_.decayTo);
        }
    }
    void Stats()
    {
        Line("Stats: atk:" + std::to_string(type_.attack) + ", def:" + std::to_string(type_.defence) +
             " ");
    }

private:
    const ItemType& type_;
    std::vector<std::string> lines_;
};

std::vector<std::string> LinesOf(const ItemType& type)
{
    InfoLines info(type);
    switch (type.group) {
    case ItemGroup::Ground:
        info.Line("Group: ground");
        info.Number("Speed index: ", type.speed);
        info.YesNo("Blocking: ", type.blocking);
        info.YesNo("Blocking path: ", type.blockPath);
        info.Decay();
        info.Line("Size: " + std::to_string(type.width * 32) + " x " + std::to_string(type.height * 32));
        break;
    case ItemGroup::Container:
        info.Line("Group: Container");
        info.Number("Capacity: ", type.capacity);
        info.YesNo("Moveable: ", type.moveable);
        info.YesNo("Useable: ", type.useable);
        info.YesNo("Pickupable: ", type.pickupable);
        info.WeightIfCarried();
        info.Decay();
        break;
    case ItemGroup::Weapon:
        info.Line("Group: Weapon");
        info.Stats();
        info.YesNo("Useable: ", type.useable);
        info.Weight();
        break;
    case ItemGroup::StackableWeapon:
        info.Line("Group: Weapon");
        info.Stats();
        info.YesNo("Stackable: ", type.stackable);
        info.Weight();
        break;
    case ItemGroup::Armor:
        info.Line("Group: Armor");
        info.Line("Armor: arm:" + std::to_string(type.armor) + ", def:" + std::to_string(type.defence));
        info.Weight();
        break;
    case ItemGroup::Rune:
        info.Line("Group: Rune");
        info.Number("Magic level: ", type.magicLevel);
        info.Weight();
        break;
    case ItemGroup::Teleport:
        info.Line("Group: Teleport");
        info.YesNo("Always on top: ", type.alwaysOnTop);
        info.TopOrderIfOnTop();
        break;
    case ItemGroup::MagicField:
        info.Line("Group: Magic field");
        info.YesNo("Always on top: ", type.alwaysOnTop);
        info.TopOrderIfOnTop();
        info.Decay();
        break;
    case ItemGroup::Writeable:
        info.Line("Group: Writeable");
        info.YesNo("Moveable: ", type.moveable);
        info.YesNo("Useable: ", type.useable);
        info.YesNo("Readable: ", type.readable);
        info.WeightIfCarried();
        break;
    case ItemGroup::Key:
        info.Line("Group: Key");
        info.YesNo("Moveable: ", type.moveable);
        info.YesNo("Useable: ", type.useable);
        info.YesNo("Pickupable: ", type.pickupable);
        info.Weight();
        break;
    case ItemGroup::Splash:
        info.Line("Group: Splash");
        info.TopOrderIfOnTop();
        info.Decay();
        break;
    case ItemGroup::FluidContainer:
        info.Line("Group: Fluid container");
        info.YesNo("Moveable: ", type.moveable);
        info.YesNo("Useable: ", type.useable);
        info.WeightIfCarried();
        break;
    case ItemGroup::Depot:
        info.Line("Group: Depot");
        info.Number("Capacity: ", type.capacity);
        break;
    case ItemGroup::Creature:
        info.Line("Group: Creature");
        info.Line("Name: " + type.name);
        break;
    default:
        info.Line("Group: None");
        info.YesNo("Always on top: ", type.alwaysOnTop);
        info.TopOrderIfOnTop();
        info.IfYes("Vertical: ", type.vertical);
        info.IfYes("Horizontal: ", type.horizontal);
        info.IfYes("Readable: ", type.readable);
        info.YesNo("Moveable: ", type.moveable);
        info.YesNo("Useable: ", type.useable);
        info.YesNo("Pickupable: ", type.pickupable);
        info.YesNo("Stackable: ", type.stackable);
        info.YesNo("Blocking: ", type.blocking);
        info.YesNo("Blocking path: ", type.blockPath);
        info.YesNo("Blocking projectile: ", type.blockProjectile);
        info.IfYes("Hangeable: ", type.hangeable);
        info.YesNo("Has height: ", type.hasHeight);
        info.WeightIfCarried();
        info.Decay();
        break;
    }
    return info.Take();
}

}  // namespace

std::optional<int32_t> ItemInfo::FollowedKey(const ToolContext& context)
{
    switch (context.CurrentTool()) {
    case ToolKind::Select: {
        const ThingAt selected = context.SelectedThing();
        if (!selected || !selected.thing->IsItem()) {
            return std::nullopt;
        }
        return static_cast<const CItem*>(selected.thing)->GetTypeKey();
    }
    case ToolKind::PaintBrush:
        return context.Document().currentItemKey;
    default:
        return std::nullopt;
    }
}

std::optional<ItemInfoText> ItemInfo::Show(const ItemDatabase& database, int32_t key)
{
    const ItemType* type = database.GetType(key);
    if (!type || shown_ == key) {
        return std::nullopt;
    }
    shown_ = key;
    return Describe(key, *type);
}

ItemInfoText ItemInfo::Describe(int32_t key, const ItemType& type)
{
    return {std::to_string(key + kTypeKeyOffset), std::to_string(type.clientId), LinesOf(type)};
}

}  // namespace tessark
