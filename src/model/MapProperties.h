#pragma once

#include <cstdint>
#include <string>

#include "model/Position.h"

namespace tessark {

class CTessarkDoc;

// A map's general settings as the map properties edit them.
struct MapProperties {
    std::string filename;
    int32_t width = 1000;
    int32_t height = 1000;
    Position temple{100, 100, 7};
    std::string spawnFile;
    std::string houseFile;
    std::string description;
};

// What a new map starts from: "Untitled", 1000 x 1000, temple 100, 100, 7.
MapProperties NewMapProperties();

// The open map's settings; the file name is the document's title.
MapProperties ReadMapProperties(const CTessarkDoc& document);

// Properties of the open map: takes the size, temple, description and side-file names (not the
// file name) and marks the map modified. Tiles beyond a smaller size stay until the next save.
void ApplyMapProperties(CTessarkDoc& document, const MapProperties& properties);

// New with the properties: clears the map under the entered name as its title, then takes the
// size, temple, description and side-file names. The new map is not marked modified.
bool NewMapWithProperties(CTessarkDoc& document, const MapProperties& properties);

}  // namespace tessark
