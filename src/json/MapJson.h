#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tessark {

class CItem;
class CTessarkDoc;
class ItemDatabase;
class JsonWriter;

// The info object: size, description, side files, temple and the counts of what the map holds.
std::string MapInfoJson(const CTessarkDoc& document);

// The dump lines in their order (map, towns, houses, spawns, tiles by z, y, x), each handed to
// the sink without its line end.
void DumpMapJson(const CTessarkDoc& document, const std::function<void(std::string_view)>& line);

// One thing: id, count, actionId, uniqueId, and text, desc, dest, depot where they apply.
void WriteThingJson(JsonWriter& json, const CItem& item);

}  // namespace tessark
