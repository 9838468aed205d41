#pragma once

#include <string>

namespace tessark {

class CTessarkDoc;

// "Import..." after its file dialog: merges the QZBM map at path into the open map, tells the
// views that everything may have changed, and on failure shows "Could not to open %s." with the
// file's name (the reader's error kind and code stay in the document, its detail goes under the
// message). The file is read whole on its own first, so that a damaged file changes nothing.
// The map is not marked modified.
bool ImportMap(CTessarkDoc& document, const std::string& path);

// "Load template..." after its file dialog: replaces the ground template with the one at path
// and shows "Template loaded." and sets templateLoaded, or shows "Could not to open %s." and
// keeps the template that was in force.
bool LoadTemplateFile(CTessarkDoc& document, const std::string& path);

inline constexpr const char* kTemplateLoadedMessage = "Template loaded.";

}  // namespace tessark
