#pragma once

#include <string>

namespace tessark {

class CTessarkDoc;

// Reads a QZBM map into the document: tiles with their grounds and items, towns, the houses of
// house tiles, the description, the side-file names and the size from the header. Unique ids
// and door ids of the items read are registered. Side files are not read here.
//
// With merge off (Open) the document is expected to be empty. With merge on (Import) a tile read
// at a position that holds a tile replaces that tile's ground and items in place; its flags and
// house id stay unless the file sets them.
//
// On failure the document's errorKind and errorCode tell what and where (a node's offset in the
// file), errorDetail says it in words, and everything read before the failure stays in the
// document. On success all are cleared. The reader neither marks the document modified nor tells
// the views; it reports its progress through the file to the document's listener.
bool LoadQzbm(CTessarkDoc& document, const std::string& path, bool merge);

}  // namespace tessark
