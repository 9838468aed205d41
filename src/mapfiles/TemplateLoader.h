#pragma once

#include <string>

namespace tessark {

class CTessarkDoc;
class CTile;

// Reads a ground template: a small QZBM map of columns whose first-row tile names a source
// ground and whose tiles below name the replacement ground and the items to put on it. Fills
// the document's groundTemplate (source key -> replacement key, then item keys) and returns
// true. Every failure (a file that is no template: house tiles, towns, other attributes; a
// damaged file; a template made for a newer item database) empties the template and returns
// false, with the document's errorKind and errorCode set where the file is damaged.
// templateLoaded is the caller's to set.
bool LoadTemplate(CTessarkDoc& document, const std::string& path);

// What the XML map reader does with every tile it reads while a template is loaded: a ground
// listed in the template takes the replacement's key, and the further keys are added to the
// tile as new things (keys without an item type are skipped).
void ApplyGroundTemplate(const CTessarkDoc& document, CTile& tile);

}  // namespace tessark
