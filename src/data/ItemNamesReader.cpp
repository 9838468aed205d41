#include "data/ItemNamesReader.h"

#include <cstdint>
#include <limits>

#include "data/ItemDatabase.h"
#include "data/ItemType.h"
#include "xml/Markup.h"
#include "xml/XmlTextFile.h"

namespace tessark {

bool ItemNamesReader::Read(const std::string& path)
{
    const XmlTextFile file = ReadXmlTextFile(path);
    if (file.result != XmlReadResult::Ok) {
        return false;
    }
    CMarkup xml;
    xml.SetDocument(file.text);
    if (!xml.FindElement("items") || !xml.IntoElement()) {
        return false;
    }

    while (xml.FindElement("item")) {
        const int64_t key = int64_t{ReadXmlNumber(xml.GetAttribute("id"))} - kTypeKeyOffset;
        if (key < std::numeric_limits<int32_t>::min()) {
            continue;
        }
        ItemType* type = database_.GetType(static_cast<int32_t>(key));
        if (!type) {
            continue;
        }
        std::string name = xml.GetAttribute("name");
        if (name.empty()) {
            continue;
        }
        type->name = std::move(name);

        // Case matters: "Monster" names the type but leaves its group alone.
        const std::string kind = xml.GetAttribute("type");
        if (kind == "monster") {
            type->group = ItemGroup::Creature;
        } else if (kind == "teleport") {
            type->group = ItemGroup::Teleport;
        } else if (kind == "depot") {
            type->group = ItemGroup::Depot;
        }
    }
    return true;
}

}  // namespace tessark
