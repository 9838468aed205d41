#include "platform/AtomicFileWriter.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace tessark {

namespace {

constexpr size_t kBufferSize = 64 * 1024;
constexpr int kMaxLinks = 40;
constexpr const char* kTempMarker = ".tmp";

std::atomic<unsigned> tempCounter{0};

namespace fs = std::filesystem;

// Follows symbolic links to the file they name; a dangling link leads to the file it would
// name. Empty when links loop.
std::string ResolveLinks(const std::string& path)
{
    fs::path current = path;
    for (int i = 0; i < kMaxLinks; ++i) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error))) {
            return current.string();
        }
        const fs::path next = fs::read_symlink(current, error);
        if (error) {
            return {};
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return {};
}

// "NAME.tmp" followed by digits only: a temporary file of this writer.
bool IsTempFileOf(std::string_view entry, std::string_view name)
{
    if (entry.size() <= name.size() + std::strlen(kTempMarker) || !entry.starts_with(name) ||
        entry.substr(name.size(), std::strlen(kTempMarker)) != kTempMarker) {
        return false;
    }
    for (size_t i = name.size() + std::strlen(kTempMarker); i < entry.size(); ++i) {
        if (entry[i] < '0' || entry[i] > '9') {
            return false;
        }
    }
    return true;
}

// A save that was killed leaves its temporary file behind; the next save of the file takes it
// away.
// The folder is listed with the system's own calls: the library's error-code listing ends the
// program when memory runs out, where a failed save is all that should happen.
void RemoveLeftTempFiles(const fs::path& target)
{
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
    const std::string name = target.filename().string();
    DIR* listing = ::opendir(folder.c_str());
    if (!listing) {
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        if (IsTempFileOf(entry->d_name, name)) {
            ::unlinkat(::dirfd(listing), entry->d_name, 0);
        }
    }
    ::closedir(listing);
}

std::string FolderOf(const std::string& path)
{
    const fs::path file = path;
    return file.has_parent_path() ? file.parent_path().string() : ".";
}

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::string targetPath) : targetPath_(std::move(targetPath)) {}

AtomicFileWriter::~AtomicFileWriter()
{
    Discard();
}

bool AtomicFileWriter::Fail(int error)
{
    if (!failed_) {
        error_ = error;
    }
    failed_ = true;
    return false;
}

bool AtomicFileWriter::Open()
{
    Discard();
    failed_ = false;
    finished_ = false;
    error_ = 0;
    finalPath_ = ResolveLinks(targetPath_);
    if (finalPath_.empty()) {
        return Fail(ELOOP);
    }
    // Known now, so that committing allocates nothing: a save that runs out of memory does so
    // before any file of a set is replaced.
    finalFolder_ = FolderOf(finalPath_);
    mode_t mode = 0666;
    struct stat old {};
    const bool exists = ::stat(finalPath_.c_str(), &old) == 0;
    if (exists) {
        if (!S_ISREG(old.st_mode)) {
            return Fail(S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
        }
        // Renaming would replace a file the user may not write.
        if (::access(finalPath_.c_str(), W_OK) != 0) {
            return Fail(errno);
        }
        mode = old.st_mode & 07777;
    }
    RemoveLeftTempFiles(finalPath_);
    // Exclusive creation, so two writers of one folder never share a temporary file. A new
    // file gets the usual permissions; a replaced one keeps its own from the start, so a
    // private map is never readable by others, not even half-written.
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        tempPath_ = finalPath_ + kTempMarker + std::to_string(tempCounter.fetch_add(1));
        fd_ = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
        if (fd_ < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd_ < 0) {
        const int error = errno;
        tempPath_.clear();
        return Fail(error);
    }
    if (exists) {
        // The owner only where the user may give the file away (as an administrator may).
        if (::fchown(fd_, old.st_uid, old.st_gid) != 0) {
            errno = 0;
        }
        ::fchmod(fd_, mode);
    }
    buffer_.reserve(kBufferSize);
    return true;
}

bool AtomicFileWriter::FlushBuffer()
{
    size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t written = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            buffer_.clear();
            return Fail(errno);
        }
        done += static_cast<size_t>(written);
    }
    buffer_.clear();
    return true;
}

bool AtomicFileWriter::Write(const void* data, size_t size)
{
    if (fd_ < 0 || failed_ || finished_) {
        return Fail(failed_ ? error_ : EBADF);
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (buffer_.size() + size > kBufferSize && !FlushBuffer()) {
        return false;
    }
    if (size >= kBufferSize) {
        buffer_.assign(bytes, bytes + size);
        return FlushBuffer();
    }
    buffer_.insert(buffer_.end(), bytes, bytes + size);
    return true;
}

bool AtomicFileWriter::WriteByte(unsigned char byte)
{
    return Write(&byte, 1);
}

bool AtomicFileWriter::Finish()
{
    if (finished_) {
        return !failed_;
    }
    if (fd_ < 0 || failed_) {
        return Fail(failed_ ? error_ : EBADF);
    }
    bool ok = FlushBuffer();
    if (ok && ::fsync(fd_) != 0) {
        ok = Fail(errno);
    }
    if (::close(fd_) != 0 && ok) {
        ok = Fail(errno);
    }
    fd_ = -1;
    finished_ = true;
    return ok;
}

bool AtomicFileWriter::Commit()
{
    if (!Finish()) {
        Discard();
        return false;
    }
    if (::rename(tempPath_.c_str(), finalPath_.c_str()) != 0) {
        Fail(errno);
        Discard();
        return false;
    }
    tempPath_.clear();
    SyncFolder(finalFolder_);
    return true;
}

void AtomicFileWriter::Discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempPath_.empty()) {
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
    }
    buffer_.clear();
}

}  // namespace tessark
