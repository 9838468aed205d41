#include "cli/DataInfoCommand.h"

#include <iostream>

#include "data/GameData.h"
#include "json/JsonWriter.h"

namespace tessark::cli {

std::string DataInfoJson(const GameData& data)
{
    const ItemDatabase& items = data.items;
    uint64_t creatureTypes = 0;
    for (const auto& [key, type] : items.ServerTypes()) {
        if (type.group == ItemGroup::Creature) {
            ++creatureTypes;
        }
    }
    uint64_t decodedSprites = 0;
    for (const auto& [id, sprite] : items.Sprites()) {
        if (sprite.HasPixels()) {
            ++decodedSprites;
        }
    }

    JsonWriter json;
    json.BeginObject();
    json.Key("clientTypes").UInt(items.ClientTypeCount());
    json.Key("serverTypes").UInt(items.ServerTypes().size());
    json.Key("clientItemCount").UInt(items.clientItemCount);
    json.Key("itemsVersion").BeginArray().UInt(items.itemsMajorVersion).UInt(items.itemsMinorVersion).EndArray();
    json.Key("sprites").UInt(items.Sprites().size());
    json.Key("decodedSprites").UInt(decodedSprites);
    json.Key("creatureTypes").UInt(creatureTypes);
    json.Key("materials").BeginArray();
    for (int i = 0; i < data.materials.GetMaterialCount(); ++i) {
        const CBaseMaterial& material = data.materials.GetMaterial(i);
        json.BeginObject();
        json.Key("name").String(material.GetName());
        json.Key("count").Int(material.GetCount());
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    return json.Text();
}

int RunDataInfo(const CliContext& context)
{
    if (!context.args.empty()) {
        std::cerr << "tessark-cli: datainfo takes no arguments\n";
        return kExitUsage;
    }
    if (!context.data) {
        return kExitDataFailed;
    }
    std::cout << DataInfoJson(*context.data) << '\n';
    return kExitOk;
}

}  // namespace tessark::cli
