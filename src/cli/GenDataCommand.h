#pragma once

#include "cli/CliCommand.h"

namespace tessark::cli {

// gen-data DIR [--seed N]: writes the sample game data kit into DIR.
int RunGenData(const CliContext& context);

}  // namespace tessark::cli
