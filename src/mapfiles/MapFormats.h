#pragma once

#include <memory>

namespace tessark {

class CTessarkDoc;
class MapFormat;

std::unique_ptr<MapFormat> MakeQzbmFormat();
std::unique_ptr<MapFormat> MakeQzxFormat();

// Plugs the QZBM (".qzbm") and QZX (".qzx") readers and writers into the document's Open and
// Save by file extension.
void RegisterMapFormats(CTessarkDoc& document);

}  // namespace tessark
