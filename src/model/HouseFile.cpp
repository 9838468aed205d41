// The house side file: name, entry, rent and town of every house.
#include "model/House.h"
#include "model/HouseList.h"
#include "platform/MessageSink.h"
#include "xml/Markup.h"
#include "xml/XmlDocumentFile.h"
#include "xml/XmlTextFile.h"

namespace tessark {

bool House::XmlIO(CMarkup& xml, bool write)
{
    if (write) {
        if (!xml.AddElement("house")) {
            return false;
        }
        xml.SetAttribute("name", name);
        xml.SetAttribute("houseid", static_cast<int>(id_));
        xml.SetAttribute("entryx", entryX);
        xml.SetAttribute("entryy", entryY);
        xml.SetAttribute("entryz", entryZ);
        xml.SetAttribute("rent", rent);
        xml.SetAttribute("townid", townId);
        return true;
    }
    name = xml.GetAttribute("name");
    entryX = ReadXmlNumber(xml.GetAttribute("entryx"));
    entryY = ReadXmlNumber(xml.GetAttribute("entryy"));
    entryZ = ReadXmlNumber(xml.GetAttribute("entryz"));
    rent = ReadXmlNumber(xml.GetAttribute("rent"));
    townId = ReadXmlNumber(xml.GetAttribute("townid"));
    return true;
}

std::string HouseList::HouseFileText()
{
    CMarkup xml("<?xml version=\"1.0\"?>\r\n");
    xml.AddElement("houses");
    xml.IntoElement();
    for (const auto& [id, house] : houses_) {
        house->XmlIO(xml, true);
    }
    return xml.GetDocument();
}

bool HouseList::SaveHouses(const std::string& path)
{
    return WriteXmlTextFile(path, HouseFileText());
}

bool HouseList::LoadHouses(const std::string& path, MessageSink& messages)
{
    CMarkup xml;
    if (!LoadXmlDocument(path, xml, messages)) {
        return false;
    }
    if (!xml.FindElement("houses")) {
        return false;
    }
    xml.IntoElement();
    while (xml.FindElement("house")) {
        const auto id = static_cast<uint32_t>(ReadXmlNumber(xml.GetAttribute("houseid")));
        if (id == 0) {
            continue;
        }
        if (!GetHouse(id, true)->XmlIO(xml, false)) {
            return false;
        }
    }
    return true;
}

}  // namespace tessark
