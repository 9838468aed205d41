#pragma once

#include <functional>
#include <string>

namespace tessark {

class CTessarkDoc;

// Told the percentage of tiles written, in steps of at least 5; the editor shows it and lets
// the window process pending events.
using QzxProgress = std::function<void(int percent)>;

// Writes the open map as a QZX (XML) file, with its side files as the binary writer does. The
// text is exactly what the XML document would build element by element (one element per line,
// CR LF line ends), but it is streamed tile by tile to a temporary file beside the target, which
// replaces the target (with the side files) only when all are complete. False, with the previous
// files left as they were, when a file cannot be written or an item refuses to write itself
// (errorKind 6, errorCode 0). Without a progress function the document's listener is told.
bool SaveQzx(CTessarkDoc& document, const std::string& path, const QzxProgress& progress = {});

}  // namespace tessark
