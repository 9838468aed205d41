#include "mapfiles/RecoveryWriter.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "mapfiles/QzbmWriter.h"
#include "model/MapPath.h"
#include "model/TessarkDoc.h"
#include "platform/RecoveryFolder.h"

namespace tessark {

RecoveryWriter::~RecoveryWriter() { Cancel(); }

bool RecoveryWriter::Start(CTessarkDoc& document, RecoveryFolder& folder, int64_t now)
{
    if (Poll() == State::Writing) {
        return false;
    }
    if (!folder.Claim()) {
        state_ = State::Failed;
        return false;
    }
    const std::string mapPath = folder.NextMapPath(document.GetPathName());
    const pid_t child = ::fork();
    if (child < 0) {
        state_ = State::Failed;
        return false;
    }
    if (child == 0) {
        // Only this thread lives on in the child, and the editor's other threads may have held
        // locks at the fork: the child writes its files and leaves without running anything of
        // the editor's (no destructor, no exit handler). It yields to the editor for the CPU.
        ::setpriority(PRIO_PROCESS, 0, 10);
        bool written = false;
        try {
            written = WriteCopy(document, folder, mapPath, now);
        } catch (...) {
        }
        ::_exit(written ? 0 : 1);
    }
    child_ = child;
    state_ = State::Writing;
    return true;
}

RecoveryWriter::State RecoveryWriter::Poll()
{
    if (state_ != State::Writing) {
        return state_;
    }
    int status = 0;
    const pid_t done = ::waitpid(child_, &status, WNOHANG);
    if (done == 0) {
        return state_;
    }
    child_ = 0;
    state_ = done > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? State::Written : State::Failed;
    return state_;
}

void RecoveryWriter::Cancel()
{
    if (Poll() != State::Writing) {
        return;
    }
    ::kill(child_, SIGKILL);
    int status = 0;
    while (::waitpid(child_, &status, 0) < 0 && errno == EINTR) {
    }
    child_ = 0;
    state_ = State::Failed;
}

bool RecoveryWriter::WriteCopy(CTessarkDoc& document, const RecoveryFolder& folder,
                               const std::string& mapPath, int64_t now)
{
    std::error_code error;
    std::filesystem::create_directories(DirectoryPart(mapPath), error);
    if (error) {
        return false;
    }
    // The writer notes the folder and side-file names it used and reports progress to the
    // window; the copy changes neither the map's own names nor the window.
    const CTessarkDoc::ProgressListener progress = document.Progress();
    const std::string directory = document.mapDirectory;
    const std::string spawnFile = document.GetSpawnFile();
    const std::string houseFile = document.GetHouseFile();
    document.SetProgressListener({});
    const bool written = SaveQzbm(document, mapPath) &&
                         folder.Commit(mapPath, document.GetPathName(), now);
    document.SetProgressListener(progress);
    document.mapDirectory = directory;
    document.SetSpawnFile(spawnFile);
    document.SetHouseFile(houseFile);
    return written;
}

OpenResult RecoveryWriter::OpenCopy(CTessarkDoc& document, const RecoveryCopy& copy)
{
    const OpenResult result = document.OpenDocument(copy.mapPath);
    if (result != OpenResult::Opened) {
        // A damaged copy salvaged is an untitled map: no save may reach the original unasked.
        return result;
    }
    if (copy.originalPath.empty()) {
        document.SetPathName({});
        document.SetTitle("Untitled");
        document.mapDirectory.clear();
    } else {
        document.SetPathName(copy.originalPath);
        document.mapDirectory = DirectoryPart(copy.originalPath);
    }
    document.SetModifiedFlag(true);
    return result;
}

}  // namespace tessark
