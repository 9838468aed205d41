#pragma once

#include <string>

#include "cli/CliCommand.h"

namespace tessark {
struct GameData;
}

namespace tessark::cli {

// datainfo: one JSON object describing the loaded game data.
int RunDataInfo(const CliContext& context);

// The object datainfo prints, without the line end.
std::string DataInfoJson(const GameData& data);

}  // namespace tessark::cli
