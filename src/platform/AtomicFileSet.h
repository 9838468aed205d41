#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/AtomicFileWriter.h"

namespace tessark {

// Files saved together, such as a map and its side files: each is written to its own temporary
// file, and only when every one is complete and on disk are they renamed over their targets,
// so that a failure in any of them leaves all targets as they were.
class AtomicFileSet {
public:
    // A new writer for the target, already open; null when it cannot be opened.
    AtomicFileWriter* Open(const std::string& path);
    // Takes a writer that holds a file written elsewhere.
    void Add(std::unique_ptr<AtomicFileWriter> writer);
    // Finishes every file, then replaces the targets in the order the files were added.
    // False when any file failed; the targets are then untouched.
    bool Commit();
    // The system's error number of the first failure (0 when it had none) and its file.
    int Error() const { return error_; }
    const std::string& FailedPath() const { return failedPath_; }

private:
    bool Fail(const AtomicFileWriter& writer);

    std::vector<std::unique_ptr<AtomicFileWriter>> writers_;
    int error_ = 0;
    std::string failedPath_;
};

}  // namespace tessark
