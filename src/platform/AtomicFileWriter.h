#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace tessark {

// Writes a file so that the target is either replaced whole or left exactly as it was: the
// bytes go to a temporary file in the target's folder, which is renamed over the target only
// by Commit. Destroying an uncommitted writer removes the temporary file.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string targetPath);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Creates the temporary file; false when it cannot be created.
    bool Open();
    bool IsOpen() const { return file_ != nullptr; }
    // False once any write has failed; later writes are then ignored.
    bool Write(const void* data, size_t size);
    bool WriteByte(unsigned char byte);
    // Flushes, closes and renames over the target; false (target untouched) on any failure.
    bool Commit();
    void Discard();
    bool Failed() const { return failed_; }
    const std::string& TargetPath() const { return targetPath_; }

private:
    std::string targetPath_;
    std::string tempPath_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

}  // namespace tessark
