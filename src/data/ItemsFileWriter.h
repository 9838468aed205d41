#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "data/ItemType.h"

namespace tessark {

// Writes an item database file (items.qzb) in the node-file container: a root with flags and
// one version attribute (major, minor, then 132 zero bytes), and one child node per type with
// node type = group (0..13), the flags, and the attributes serverId, clientId, name, speed,
// capacity, weight, attack/defence, armor, magicLevel, decay, minimapColor and topOrder where
// they differ from the defaults. The previous file stays intact when writing fails.
// A group above 13 (depot, creature) is written as group 0: those kinds come from items.xml.
// Fails, writing nothing, when a value does not fit its field (ids, armor, magic level, decay and
// capacity above 65535, attack or defence above 255, negative values, a name of 128 bytes or more).
// Vertical, horizontal, hangeable and minimapColor are written, but a reader takes them from the
// client type.
bool WriteItemsFile(const std::string& path, uint32_t majorVersion, uint32_t minorVersion,
                    std::span<const ItemType> types);

}  // namespace tessark
