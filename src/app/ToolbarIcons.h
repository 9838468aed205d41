#pragma once

#include <QIcon>

namespace tessark {

// The toolbar's 16 x 15 pictures, drawn at start-up: the editor ships no image files.
QIcon ToolbarIcon(int commandId);

}  // namespace tessark
