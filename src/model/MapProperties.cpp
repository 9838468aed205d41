#include "model/MapProperties.h"

#include "model/EditRecorder.h"
#include "model/EditStep.h"
#include "model/TessarkDoc.h"

namespace tessark {

namespace {

void StoreSettings(CTessarkDoc& document, const MapProperties& properties)
{
    document.temple = properties.temple;
    document.width = properties.width;
    document.height = properties.height;
    document.SetSpawnFile(properties.spawnFile);
    document.SetHouseFile(properties.houseFile);
    document.SetDescription(properties.description);
}

}  // namespace

MapProperties NewMapProperties()
{
    MapProperties properties;
    properties.filename = "Untitled";
    return properties;
}

MapProperties ReadMapProperties(const CTessarkDoc& document)
{
    MapProperties properties;
    properties.filename = document.GetTitle();
    properties.width = document.width;
    properties.height = document.height;
    properties.temple = document.temple;
    properties.spawnFile = document.GetSpawnFile();
    properties.houseFile = document.GetHouseFile();
    properties.description = document.GetDescription();
    return properties;
}

void ApplyMapProperties(CTessarkDoc& document, const MapProperties& properties)
{
    EditStep step(document, "Map Properties");
    StoreSettings(document, properties);
    document.SetModifiedFlag(true);
}

bool NewMapWithProperties(CTessarkDoc& document, const MapProperties& properties)
{
    document.SetTitleOverride(properties.filename);
    const bool reset = document.NewDocument();
    if (reset) {
        StoreSettings(document, properties);
        // The settings are where the new map starts, not a step to undo.
        if (EditRecorder* recorder = document.GetEditRecorder()) {
            recorder->Reset();
        }
    }
    document.SetTitleOverride("");
    return reset;
}

}  // namespace tessark
