#pragma once

#include <string>

#include "support/ScratchDirectory.h"

namespace tessark::test {

// What a run of the built command-line tool left: its exit status and its two output streams.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs tessark-cli with the arguments (already quoted for the shell where needed), its output
// kept in files of the scratch directory.
ToolRun RunTool(const ScratchDirectory& scratch, const std::string& arguments);

}  // namespace tessark::test
