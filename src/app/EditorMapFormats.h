#pragma once

#include <functional>

namespace tessark {

class CTessarkDoc;

// The map formats as the editor registers them: QZBM, and QZX whose long saves report their
// percentage (the status bar shows it) and let the window repaint between tiles.
void RegisterEditorMapFormats(CTessarkDoc& document, std::function<void(int percent)> progress);

}  // namespace tessark
