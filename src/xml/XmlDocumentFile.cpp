#include "xml/XmlDocumentFile.h"

#include "platform/MessageSink.h"
#include "xml/Markup.h"
#include "xml/XmlTextFile.h"

namespace tessark {

bool LoadXmlDocument(const std::string& path, CMarkup& xml, MessageSink& messages)
{
    const XmlTextFile file = ReadXmlTextFile(path);
    if (file.result == XmlReadResult::CannotOpen) {
        messages.ShowMessage(CouldNotOpenMessage(path), MessageIcon::Error);
        return false;
    }
    if (file.result == XmlReadResult::BinaryData) {
        messages.ShowMessage(kBinaryDataMessage, MessageIcon::Error);
        return false;
    }
    if (!xml.SetDocument(file.text)) {
        messages.ShowMessage("Error: " + xml.GetParseError() + "\r\n", MessageIcon::Error);
        return false;
    }
    return true;
}

}  // namespace tessark
