#include "data/MaterialList.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

#include "data/ItemDatabase.h"
#include "data/ItemType.h"
#include "platform/MessageSink.h"
#include "xml/Markup.h"
#include "xml/XmlTextFile.h"

namespace tessark {

namespace {

constexpr const char* kNoCreatureListMessage = " holds no creature list: no creatures were loaded.";
constexpr const char* kCreaturesWithoutOutfitMessage =
    " creatures have no outfit in morva.dat and were left out.";

// Highest outfit colour index; larger values fall back to the first colour.
constexpr uint8_t kMaxOutfitColor = 132;

// Shows the reader's message for a file that could not be taken as text; true when the text
// is usable.
bool CheckReadResult(const XmlTextFile& file, const std::string& path, MessageSink& messages)
{
    switch (file.result) {
    case XmlReadResult::Ok:
        return true;
    case XmlReadResult::CannotOpen:
        messages.ShowMessage(CouldNotOpenMessage(path), MessageIcon::Error);
        return false;
    case XmlReadResult::BinaryData:
        messages.ShowMessage(kBinaryDataMessage, MessageIcon::Error);
        return false;
    }
    return false;
}

// Material flags are on only for the number 1.
bool ReadFlag(const CMarkup& xml, std::string_view name)
{
    return ReadXmlNumber(xml.GetAttribute(name)) == 1;
}

uint8_t ReadOutfitColor(const CMarkup& xml, std::string_view name)
{
    const auto value = static_cast<uint8_t>(ReadXmlNumber(xml.GetChildAttribute(name)));
    return value > kMaxOutfitColor ? 0 : value;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerCaseWord)
{
    return std::equal(text.begin(), text.end(), lowerCaseWord.begin(), lowerCaseWord.end(),
                      [](char a, char b) {
                          return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
                      });
}

}  // namespace

CMaterialList::CMaterialList() : dummy("Dummy") {}

CMaterialList::~CMaterialList() = default;

int CMaterialList::GetMaterialCount() const
{
    return static_cast<int>(materials.size());
}

const CBaseMaterial& CMaterialList::GetMaterial(int index) const
{
    if (index < 0 || index >= GetMaterialCount()) {
        return dummy;
    }
    return *materials[static_cast<size_t>(index)];
}

int CMaterialList::FindMaterialOfItem(int32_t key) const
{
    auto it = firstMaterialOfKey.find(key);
    return it != firstMaterialOfKey.end() ? it->second : -1;
}

int CMaterialList::AppendMaterial(std::unique_ptr<CBaseMaterial> material)
{
    const int index = GetMaterialCount();
    for (int i = 0; i < material->GetCount(); ++i) {
        firstMaterialOfKey.try_emplace(material->GetItem(i), index);
    }
    materials.push_back(std::move(material));
    return index;
}

void CMaterialList::AddItemToMaterial(int index, int32_t key)
{
    materials[static_cast<size_t>(index)]->AddItem(key);
    auto [it, inserted] = firstMaterialOfKey.try_emplace(key, index);
    if (!inserted && index < it->second) {
        it->second = index;
    }
}

bool CMaterialList::LoadMaterials(const std::string& path, const ItemDatabase& items,
                                  MessageSink& messages)
{
    const XmlTextFile file = ReadXmlTextFile(path);
    if (!CheckReadResult(file, path, messages)) {
        return false;
    }
    CMarkup xml;
    xml.SetDocument(file.text);
    if (!xml.FindElement("materials")) {
        return false;
    }

    // Item ids above the client's item count have no appearance in the client.
    const int64_t maxId = items.clientItemCount;
    const int64_t maxKey = maxId - kTypeKeyOffset;
    xml.IntoElement();
    while (xml.FindElement("material")) {
        auto material = std::make_unique<CMaterial>(xml.GetAttribute("name"));
        const bool ground = ReadFlag(xml, "ground");
        const bool takeable = ReadFlag(xml, "takeable");
        const bool container = ReadFlag(xml, "container");
        const bool hangable = ReadFlag(xml, "hangable");
        const bool nogroup = ReadFlag(xml, "nogroup");

        if (ground || takeable || container || hangable || nogroup) {
            for (const auto& [key, type] : items.ServerTypes()) {
                if (type.serverId > maxId) {
                    continue;
                }
                if ((ground && type.group == ItemGroup::Ground) ||
                    (takeable && type.pickupable) ||
                    (container && type.group == ItemGroup::Container) ||
                    (hangable && type.hangeable) ||
                    (nogroup && FindMaterialOfItem(key) == -1)) {
                    material->AddItem(key);
                }
            }
        }

        while (xml.FindChildElement("item")) {
            const int64_t from = int64_t{ReadXmlNumber(xml.GetChildAttribute("fromid"))} - kTypeKeyOffset;
            int64_t to = int64_t{ReadXmlNumber(xml.GetChildAttribute("toid"))} - kTypeKeyOffset;
            if (to <= 0) {
                to = from;
            }
            if (from < 0 || to < 0 || from > to) {
                continue;
            }
            // Keys past the client's items add nothing, so the walk stops there.
            const int64_t last = std::min(to, maxKey);
            for (int64_t key = from; key <= last; ++key) {
                material->AddItem(static_cast<int32_t>(key));
            }
        }
        AppendMaterial(std::move(material));
    }
    return true;
}

bool CMaterialList::LoadDefaultMaterials(const ItemDatabase& items)
{
    const auto isGround = [](const ItemType& type) { return type.group == ItemGroup::Ground; };
    const auto isTakeable = [](const ItemType& type) { return type.pickupable; };
    const auto isContainer = [](const ItemType& type) { return type.group == ItemGroup::Container; };
    const auto isHangeable = [](const ItemType& type) { return type.hangeable; };
    const auto isOther = [&](const ItemType& type) {
        return !isGround(type) && !isTakeable(type) && !isContainer(type) && !isHangeable(type);
    };
    const auto appendMaterialOf = [&](std::string name, auto belongs) {
        auto material = std::make_unique<CMaterial>(std::move(name));
        for (const auto& [key, type] : items.ServerTypes()) {
            if (belongs(type)) {
                material->AddItem(key);
            }
        }
        AppendMaterial(std::move(material));
    };
    appendMaterialOf("Ground", isGround);
    appendMaterialOf("Takeable", isTakeable);
    appendMaterialOf("Container", isContainer);
    appendMaterialOf("Hangeable", isHangeable);
    appendMaterialOf("Other", isOther);
    return true;
}

bool CMaterialList::LoadCreatures(const std::string& path, ItemDatabase& items,
                                  MessageSink& messages)
{
    const XmlTextFile file = ReadXmlTextFile(path);
    if (!CheckReadResult(file, path, messages)) {
        return false;
    }
    CMarkup xml;
    xml.SetDocument(file.text);
    if (!xml.FindElement("creatures")) {
        lastDebugOutput = xml.GetParseError();
        messages.ShowMessage(FileNameOf(path) + kNoCreatureListMessage, MessageIcon::Warning);
        return false;
    }

    const int monsters = AppendMaterial(std::make_unique<CMaterial>("Monsters"));
    int withoutOutfit = 0;
    while (xml.FindChildElement("creature")) {
        const int64_t lookType = ReadXmlNumber(xml.GetChildAttribute("looktype"));
        // The client data lists the outfits right after its items.
        const int64_t outfitKey = int64_t{items.clientItemCount} + lookType - kTypeKeyOffset;
        ItemType* outfit = outfitKey > 0 && outfitKey <= std::numeric_limits<int32_t>::max()
                               ? items.GetClientType(static_cast<int32_t>(outfitKey))
                               : nullptr;
        if (!outfit) {
            ++withoutOutfit;
            continue;
        }
        outfit->group = ItemGroup::Creature;
        ItemType creature = *outfit;
        creature.name = xml.GetChildAttribute("name");
        creature.outfitHead = ReadOutfitColor(xml, "head");
        creature.outfitBody = ReadOutfitColor(xml, "body");
        creature.outfitLegs = ReadOutfitColor(xml, "legs");
        creature.outfitFeet = ReadOutfitColor(xml, "feet");

        // Creature types follow the items. When the item ids leave gaps that key can belong
        // to an item: the creature then takes the next free key rather than being lost (and
        // the item being listed among the monsters).
        auto key = static_cast<int32_t>(items.ServerTypes().size() + 1);
        while (items.FindServerType(key)) {
            ++key;
        }
        items.AddServerType(key, std::move(creature));
        if (EqualsIgnoringCase(xml.GetChildAttribute("type"), "monster")) {
            AddItemToMaterial(monsters, key);
        }
    }
    if (withoutOutfit > 0) {
        messages.ShowMessage(FileNameOf(path) + ": " + std::to_string(withoutOutfit) +
                                 kCreaturesWithoutOutfitMessage,
                             MessageIcon::Warning);
    }
    return true;
}

}  // namespace tessark
