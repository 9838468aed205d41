#pragma once

#include "cli/CliCommand.h"

namespace tessark::cli {

// gen-map OUT.qzbm [--size N] [--seed N]: writes a generated demo world with its side files.
int RunGenMap(const CliContext& context);

}  // namespace tessark::cli
