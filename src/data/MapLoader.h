#pragma once

#include "data/FileLoader.h"

namespace tessark {

// The node-file loader used for QZBM maps.
class MapLoader : public FileLoader {};

}  // namespace tessark
