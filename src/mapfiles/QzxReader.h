#pragma once

#include <cstddef>
#include <string>

#include "xml/XmlTextWindow.h"

namespace tessark {

class CTessarkDoc;

// Reads a QZX (XML) map into the empty document: size, temple, side-file names, tiles with
// their grounds and items, house membership and towns. Item ids are server ids, or client ids
// when the map element says isclientid="1". A loaded ground template is applied to every
// ground read. Unique ids and door ids are registered as the binary reader does.
//
// Failures set errorKind and errorCode (1: the file cannot be read; 3: no map element; 6: an
// item id below 100 or an item that refuses its attributes). A parse error shows its own
// message and leaves errorKind 0. What was read before a failure stays in the document.
// The text is read `windowSize` bytes at a time.
bool LoadQzx(CTessarkDoc& document, const std::string& path,
             size_t windowSize = XmlTextWindow::kDefaultSize);

}  // namespace tessark
