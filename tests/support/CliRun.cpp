#include "support/CliRun.h"

#include <sys/wait.h>

#include <cstdlib>

namespace tessark::test {

ToolRun RunTool(const ScratchDirectory& scratch, const std::string& arguments)
{
    const std::string outPath = scratch.File("tool-stdout.txt");
    const std::string errPath = scratch.File("tool-stderr.txt");
    const std::string command = std::string("'") + TESSARK_CLI_PATH + "' " + arguments + " >'" + outPath +
                                "' 2>'" + errPath + "' </dev/null";
    const int raw = std::system(command.c_str());
    ToolRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadWholeFile(outPath);
    run.err = ReadWholeFile(errPath);
    return run;
}

}  // namespace tessark::test
