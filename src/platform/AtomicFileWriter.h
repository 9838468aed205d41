#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tessark {

// Writes a file so that the target is either replaced whole or left exactly as it was: the
// bytes go to a temporary file in the target's folder, which is synced to disk and renamed over
// the target only by Commit. Destroying an uncommitted writer removes the temporary file.
//
// The new file keeps the old one's permissions (and owner, where allowed). A symbolic link is
// written through: its target is replaced and the link stays. A target the user may not write,
// or one that is no regular file, is refused at Open.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string targetPath);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Creates the temporary file, first removing what a save killed half-way left beside the
    // target; false when the target is refused or the file cannot be created.
    bool Open();
    bool IsOpen() const { return fd_ >= 0; }
    // False once any write has failed; later writes are then ignored.
    bool Write(const void* data, size_t size);
    bool WriteByte(unsigned char byte);
    // Writes out, syncs and closes the temporary file; the target is not touched yet.
    bool Finish();
    // Finishes and renames over the target, then syncs the folder; false (target untouched)
    // on any failure.
    bool Commit();
    void Discard();
    bool Failed() const { return failed_; }
    const std::string& TargetPath() const { return targetPath_; }
    // The system's error number of the first failure, 0 when it had none.
    int Error() const { return error_; }

private:
    bool Fail(int error);
    bool FlushBuffer();

    std::string targetPath_;
    // The file that is replaced: the target, or the file its links lead to.
    std::string finalPath_;
    std::string finalFolder_;
    std::string tempPath_;
    int fd_ = -1;
    std::vector<unsigned char> buffer_;
    bool failed_ = false;
    bool finished_ = false;
    int error_ = 0;
};

}  // namespace tessark
