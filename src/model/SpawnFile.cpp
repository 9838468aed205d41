// The spawn side file: every spawn with its monsters.
#include "model/SpawnList.h"
#include "platform/MessageSink.h"
#include "xml/Markup.h"
#include "xml/XmlDocumentFile.h"
#include "xml/XmlTextFile.h"

namespace tessark {

std::string CSpawnList::SpawnFileText() const
{
    CMarkup xml("<?xml version=\"1.0\"?>\r\n");
    xml.AddElement("spawns");
    xml.IntoElement();
    for (const auto& spawn : spawns_) {
        spawn->XmlIO(xml, true, database_);
    }
    return xml.GetDocument();
}

bool CSpawnList::SaveSpawns(const std::string& path) const
{
    return WriteXmlTextFile(path, SpawnFileText());
}

bool CSpawnList::LoadSpawns(const std::string& path, MessageSink& messages)
{
    CMarkup xml;
    if (!LoadXmlDocument(path, xml, messages)) {
        return false;
    }
    if (!xml.FindElement("spawns")) {
        return false;
    }
    xml.IntoElement();
    while (xml.FindElement("spawn")) {
        auto spawn = std::make_unique<CSpawn>();
        spawn->XmlIO(xml, false, database_);
        AddSpawn(std::move(spawn));
    }
    return true;
}

}  // namespace tessark
