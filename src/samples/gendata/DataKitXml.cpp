#include "samples/gendata/DataKitXml.h"

#include <vector>

#include "xml/Markup.h"

namespace tessark::gendata {

namespace {

constexpr const char* kDeclaration = "<?xml version=\"1.0\"?>\r\n";

// Runs of consecutive ids of one section, as the map maker's palette groups them.
std::vector<std::pair<int, int>> IdRuns(const ItemCatalog& catalog, Section section)
{
    std::vector<std::pair<int, int>> runs;
    for (const auto& item : catalog.Items()) {
        if (item.section != section) {
            continue;
        }
        const int id = item.type.serverId;
        if (!runs.empty() && runs.back().second + 1 == id) {
            runs.back().second = id;
        } else {
            runs.emplace_back(id, id);
        }
    }
    return runs;
}

}  // namespace

std::string ItemNamesXml(const ItemCatalog& catalog)
{
    CMarkup xml(kDeclaration);
    xml.AddElement("items");
    xml.IntoElement();
    for (const auto& item : catalog.Items()) {
        xml.AddElement("item");
        xml.SetAttribute("id", item.type.serverId);
        xml.SetAttribute("name", item.type.name);
        if (!item.xmlKind.empty()) {
            xml.SetAttribute("type", item.xmlKind);
        }
    }
    xml.OutOfElement();
    return xml.GetDocument();
}

std::string MaterialsXml(const ItemCatalog& catalog)
{
    struct MaterialSpec {
        const char* name;
        const char* flag;  // nullptr: by id ranges
        Section section;
    };
    const MaterialSpec materials[] = {
        {"Grounds", "ground", Section::Grounds},
        {"Borders", nullptr, Section::Borders},
        {"Walls", nullptr, Section::Walls},
        {"Doors", nullptr, Section::Doors},
        {"Wall hangings", "hangable", Section::Hangings},
        {"Nature", nullptr, Section::Nature},
        {"Decoration", nullptr, Section::Decoration},
        {"Magic", nullptr, Section::Magic},
        {"Containers", "container", Section::Containers},
        {"Items", "takeable", Section::Equipment},
        {"Other", "nogroup", Section::Special},
    };
    CMarkup xml(kDeclaration);
    xml.AddElement("materials");
    xml.IntoElement();
    for (const auto& material : materials) {
        xml.AddElement("material");
        xml.SetAttribute("name", material.name);
        if (material.flag != nullptr) {
            xml.SetAttribute(material.flag, 1);
            continue;
        }
        xml.IntoElement();
        for (const auto& [from, to] : IdRuns(catalog, material.section)) {
            xml.AddElement("item");
            xml.SetAttribute("fromid", from);
            // A single id needs no end: a missing toid means the same id.
            if (to != from) {
                xml.SetAttribute("toid", to);
            }
        }
        xml.OutOfElement();
    }
    xml.OutOfElement();
    return xml.GetDocument();
}

std::string CreaturesXml(const ItemCatalog& catalog)
{
    CMarkup xml(kDeclaration);
    xml.AddElement("creatures");
    xml.IntoElement();
    for (const auto& creature : catalog.Creatures()) {
        xml.AddElement("creature");
        xml.SetAttribute("looktype", creature.lookType);
        xml.SetAttribute("name", creature.name);
        xml.SetAttribute("head", creature.head);
        xml.SetAttribute("body", creature.body);
        xml.SetAttribute("legs", creature.legs);
        xml.SetAttribute("feet", creature.feet);
        xml.SetAttribute("type", creature.monster ? "monster" : "npc");
    }
    xml.OutOfElement();
    return xml.GetDocument();
}

}  // namespace tessark::gendata
