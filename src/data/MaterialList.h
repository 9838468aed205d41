#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/BaseMaterial.h"
#include "data/Material.h"

namespace tessark {

class ItemDatabase;
class MessageSink;

// Every material of the game data, in palette order, plus the creature types that
// creatures.xml adds to the item database. Filled once at start-up, never changed afterwards.
class CMaterialList {
public:
    CMaterialList();
    ~CMaterialList();

    CMaterialList(const CMaterialList&) = delete;
    CMaterialList& operator=(const CMaterialList&) = delete;

    // Appends the materials of materials.xml. False when the file cannot be read (its message
    // is shown) or has no materials root (silently).
    bool LoadMaterials(const std::string& path, const ItemDatabase& items, MessageSink& messages);
    // Appends "Ground", "Takeable", "Container", "Hangeable" and "Other"; always true.
    bool LoadDefaultMaterials(const ItemDatabase& items);
    // Appends "Monsters" and adds one server type per creature of creatures.xml.
    bool LoadCreatures(const std::string& path, ItemDatabase& items, MessageSink& messages);

    int GetMaterialCount() const;
    // The empty "Dummy" material for an index outside the list.
    const CBaseMaterial& GetMaterial(int index) const;
    // Index of the first material holding the key, -1 when none does.
    int FindMaterialOfItem(int32_t key) const;

    // What the creature reader sent to the debugger output (the parse error of a creatures.xml
    // without its root); empty when nothing was sent.
    const std::string& LastDebugOutput() const { return lastDebugOutput; }

private:
    int AppendMaterial(std::unique_ptr<CBaseMaterial> material);
    void AddItemToMaterial(int index, int32_t key);

    // Declared first so that it outlives the listed materials.
    CMaterial dummy;
    std::vector<std::unique_ptr<CBaseMaterial>> materials;
    // Key -> index of the first listed material holding it; FindMaterialOfItem is asked for
    // every server type of every "nogroup" material, so it must not walk the lists.
    std::unordered_map<int32_t, int> firstMaterialOfKey;
    std::string lastDebugOutput;
};

}  // namespace tessark
