#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>

namespace tessark {

class CTessarkDoc;
class RecoveryFolder;
struct RecoveryCopy;
enum class OpenResult;

// Writes recovery copies of the open map without holding up editing. A child process gets the
// map as it is at the start, the system copying memory pages only as the editor goes on to
// change them, and writes it with the map writers. The editor waits only for the fork.
class RecoveryWriter {
public:
    enum class State { Idle, Writing, Written, Failed };

    RecoveryWriter() = default;
    // Ends a write still running.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    // Starts a copy of the document into the folder (claimed first). This process does not
    // change the document. False when a write still runs or none could start.
    bool Start(CTessarkDoc& document, RecoveryFolder& folder, int64_t now);
    // Whether the last write still runs, and how it ended.
    State Poll();
    // Ends a running write; what it wrote is never offered, as its manifest is missing.
    void Cancel();

    // The write itself: the map (binary, with its side files) at mapPath, then the folder's
    // manifest. The document keeps its own folder and side-file names.
    static bool WriteCopy(CTessarkDoc& document, const RecoveryFolder& folder,
                          const std::string& mapPath, int64_t now);
    // Opens a copy as the map it stands for: modified, with the original path (untitled when
    // it had none), so that Save writes there.
    static OpenResult OpenCopy(CTessarkDoc& document, const RecoveryCopy& copy);

private:
    pid_t child_ = 0;
    State state_ = State::Idle;
};

}  // namespace tessark
