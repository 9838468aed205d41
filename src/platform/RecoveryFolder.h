#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessark {

// A recovery copy of a map with unsaved edits: the session folder that holds it, the map file
// in it, the file the map came from (empty for an untitled map) and when it was written
// (seconds since the epoch).
struct RecoveryCopy {
    std::string directory;
    std::string mapPath;
    std::string originalPath;
    int64_t writtenAt = 0;
};

// The manifest beside a copy, written last, so a copy without a readable one is incomplete.
// mapPath is kept relative to the session folder ("copy-3/name.qzbm").
std::string RecoveryManifestText(const RecoveryCopy& copy);
// Fills originalPath, mapPath (relative, checked to stay inside the session folder) and
// writtenAt; nullopt for anything else.
std::optional<RecoveryCopy> ParseRecoveryManifest(std::string_view text);

// The per-user folder of recovery copies. Each editor that writes copies claims its own
// sub-folder "session-XXXXXX" and holds a lock on it while it lives; the system drops the lock
// when the process ends, however it ends, so a folder nobody locks was left by a crash. Each
// copy goes into a fresh "copy-N" folder and becomes the session's copy when the manifest
// naming it is in place, so a copy is never half replaced.
class RecoveryFolder {
public:
    static constexpr const char* kManifestName = "recovery.txt";
    static constexpr const char* kSessionPrefix = "session-";

    explicit RecoveryFolder(std::string root) : root_(std::move(root)) {}
    // Removes this session's folder: a normal end leaves no copy.
    ~RecoveryFolder();
    RecoveryFolder(const RecoveryFolder&) = delete;
    RecoveryFolder& operator=(const RecoveryFolder&) = delete;

    const std::string& Root() const { return root_; }
    // Makes and locks this session's folder, once; false when that is impossible.
    bool Claim();
    const std::string& SessionDirectory() const { return session_; }

    // Where the next copy of the map at originalPath goes: a fresh copy folder in the session
    // (not made yet) and the map's own file name, "Untitled.qzbm" for an untitled map.
    std::string NextMapPath(const std::string& originalPath);
    // After the map at mapPath is written: the manifest names it, then older copies go.
    bool Commit(const std::string& mapPath, const std::string& originalPath, int64_t writtenAt) const;
    // Removes this session's copy, the manifest first; the session stays claimed.
    void RemoveOwnCopy() const;

    // Complete copies of sessions that ended without removing them, newest first. Folders
    // of running sessions and anything unreadable are passed over.
    std::vector<RecoveryCopy> FindLeftCopies() const;
    // Moves a left copy into this session (claimed first) and returns it as its copy now;
    // nullopt when another session took it first or it cannot be moved.
    std::optional<RecoveryCopy> Adopt(const RecoveryCopy& copy);
    // Removes a left copy's session folder, unless its session runs.
    static void Remove(const RecoveryCopy& copy);

private:
    std::string root_;
    std::string session_;
    int lock_ = -1;
    int64_t nextCopy_ = 0;
};

}  // namespace tessark
