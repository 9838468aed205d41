#pragma once

namespace tessark::gendata {

class CatalogBuilder;

// Each family adds its types (with their painters) in id order.
void AddTerrain(CatalogBuilder& builder);     // grounds and their borders
void AddBuildings(CatalogBuilder& builder);   // walls, doors, arches, wall hangings
void AddNature(CatalogBuilder& builder);      // trees, bushes, flowers, rocks
void AddFurniture(CatalogBuilder& builder);   // furniture, decoration, signs
void AddGoods(CatalogBuilder& builder);       // containers, stackables, fluids, food, books
void AddEquipment(CatalogBuilder& builder);   // weapons, armor, keys, runes, tools
void AddMagic(CatalogBuilder& builder);       // fire, fields, portals, depots, markers
void AddCreatures(CatalogBuilder& builder);   // outfits and creatures.xml entries

}  // namespace tessark::gendata
