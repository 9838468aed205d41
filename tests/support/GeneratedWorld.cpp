#include "support/GeneratedWorld.h"

#include "data/DataLoader.h"
#include "mapfiles/MapFormats.h"

namespace tessark::test {

GeneratedWorld& GeneratedWorld::Get()
{
    static GeneratedWorld world;
    return world;
}

GeneratedWorld::GeneratedWorld() : data_(std::make_unique<GameData>())
{
    RunTool(scratch_, "gen-data '" + DataDirectory() + "'");
    generation_ = RunTool(scratch_, "--data '" + DataDirectory() + "' gen-map '" + MapPath() + "' --size " +
                                        std::to_string(kSize) + " --seed " + std::to_string(kSeed));
    SilentMessageSink quiet;
    LoadDataFiles(DataDirectory(), *data_, quiet);
    document_ = std::make_unique<CTessarkDoc>(data_->items, messages_);
    RegisterMapFormats(*document_);
    document_->OnOpenDocument(MapPath());
}

}  // namespace tessark::test
