#include "platform/AtomicFileWriter.h"

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace tessark {

namespace {
std::atomic<unsigned> tempCounter{0};
}

AtomicFileWriter::AtomicFileWriter(std::string targetPath) : targetPath_(std::move(targetPath)) {}

AtomicFileWriter::~AtomicFileWriter()
{
    Discard();
}

bool AtomicFileWriter::Open()
{
    Discard();
    failed_ = false;
    // Exclusive creation, so two writers of one folder never share a temporary file.
    for (int attempt = 0; attempt < 100 && !file_; ++attempt) {
        tempPath_ = targetPath_ + ".tmp" + std::to_string(tempCounter.fetch_add(1));
        file_ = std::fopen(tempPath_.c_str(), "wbx");
        if (!file_ && errno != EEXIST) {
            break;
        }
    }
    if (!file_) {
        tempPath_.clear();
        failed_ = true;
    }
    return file_ != nullptr;
}

bool AtomicFileWriter::Write(const void* data, size_t size)
{
    if (!file_ || failed_) {
        failed_ = true;
        return false;
    }
    if (size > 0 && std::fwrite(data, 1, size, file_) != size) {
        failed_ = true;
    }
    return !failed_;
}

bool AtomicFileWriter::WriteByte(unsigned char byte)
{
    if (!file_ || failed_) {
        failed_ = true;
        return false;
    }
    if (std::fputc(byte, file_) == EOF) {
        failed_ = true;
    }
    return !failed_;
}

bool AtomicFileWriter::Commit()
{
    if (!file_) {
        return false;
    }
    bool ok = !failed_ && std::fflush(file_) == 0 && !std::ferror(file_);
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
    if (ok) {
        std::error_code error;
        std::filesystem::rename(tempPath_, targetPath_, error);
        ok = !error;
    }
    if (!ok) {
        std::error_code ignored;
        std::filesystem::remove(tempPath_, ignored);
        failed_ = true;
    }
    tempPath_.clear();
    return ok;
}

void AtomicFileWriter::Discard()
{
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!tempPath_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(tempPath_, ignored);
        tempPath_.clear();
    }
}

}  // namespace tessark
