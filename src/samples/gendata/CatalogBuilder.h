#pragma once

#include <string>
#include <vector>

#include "samples/gendata/ItemCatalog.h"

namespace tessark::gendata {

// Hands out ids in catalogue order from 100, stepping over the fixed ids, and resolves decay
// targets by name once everything is added.
class CatalogBuilder {
public:
    explicit CatalogBuilder(ItemCatalog& catalog) : catalog_(catalog) {}

    // A new type with the next free id; serverId = clientId.
    CatalogItem& Add(Section section, std::string name, Painter paint);
    // A new type with a fixed id.
    CatalogItem& AddFixed(int id, Section section, std::string name, Painter paint);
    // The item named from decays into the item named to after the given seconds.
    void Decay(const std::string& from, const std::string& to, int seconds);

    void AddOutfit(CatalogOutfit outfit) { catalog_.outfits_.push_back(std::move(outfit)); }
    // The outfit number of the outfit with this name, 0 when there is none.
    int LookType(const std::string& outfitName) const;
    void AddCreature(CatalogCreature creature) { catalog_.creatures_.push_back(std::move(creature)); }

    // Sorts by id and resolves decay targets.
    void Finish();

private:
    struct PendingDecay {
        std::string from;
        std::string to;
        int seconds;
    };
    ItemCatalog& catalog_;
    int nextId_ = 100;
    std::vector<PendingDecay> decays_;
};

// Common settings of item families.
void MakeGround(CatalogItem& item, uint16_t speed, uint16_t minimapColor);
void MakeFixed(CatalogItem& item);           // not moveable
void MakeBlocking(CatalogItem& item);        // blocks walking, missiles and paths; not moveable
void MakePickupable(CatalogItem& item, double weight);
void MakeOnTop(CatalogItem& item, uint8_t topOrder);
void SetLayout(CatalogItem& item, uint8_t width, uint8_t height, uint8_t patternX = 1,
               uint8_t patternY = 1, uint8_t phases = 1);
// A light source (client option 0x15: level and colour, which the editor skips).
void AddLight(CatalogItem& item, uint16_t level, uint16_t color);

}  // namespace tessark::gendata
