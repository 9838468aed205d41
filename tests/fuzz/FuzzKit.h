#pragma once

// Real game data for the fuzz targets that need it: the sample data kit, written once into the
// scratch folder and loaded once through start-up, so every input meets the item types, sprites
// and creatures a user has rather than a synthetic handful.

#include <cstdlib>
#include <string>

#include "FuzzMapSupport.h"
#include "data/DataLoader.h"
#include "data/GameData.h"
#include "platform/MessageSink.h"
#include "samples/gendata/DataKitWriter.h"

namespace tessark::fuzz {

inline GameData& KitData()
{
    static GameData* data = [] {
        const std::string folder = ScratchFolder() + "/kit";
        auto* loaded = new GameData;
        RecordingMessageSink messages;
        if (!gendata::WriteDataKit(folder, 1).ok || !LoadDataFiles(folder, *loaded, messages) ||
            !messages.messages.empty()) {
            std::abort();
        }
        return loaded;
    }();
    return *data;
}

}  // namespace tessark::fuzz
