#pragma once

#include <string>

namespace tessark {

class CMarkup;
class MessageSink;

// Reads and parses an XML file as the map's side files do: a file that cannot be opened, is
// binary or does not parse is reported in an error box and gives false.
bool LoadXmlDocument(const std::string& path, CMarkup& xml, MessageSink& messages);

}  // namespace tessark
