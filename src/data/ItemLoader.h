#pragma once

#include "data/FileLoader.h"

namespace tessark {

// The node-file loader used for the item database (items.qzb).
class ItemLoader : public FileLoader {};

}  // namespace tessark
