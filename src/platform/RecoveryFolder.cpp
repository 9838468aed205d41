#include "platform/RecoveryFolder.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "platform/AtomicFileWriter.h"
#include "platform/FileBytes.h"

namespace tessark {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHeader = "tessark recovery 1";
constexpr std::string_view kCopyPrefix = "copy-";
// A manifest holds two paths and two numbers; anything far larger is not one.
constexpr uintmax_t kManifestLimit = 64 * 1024;

// Paths may hold any byte, but a newline ends a manifest line.
std::string Escape(std::string_view text)
{
    std::string out;
    for (char c : text) {
        out += c == '%' ? "%25" : c == '\n' ? "%0A" : std::string(1, c);
    }
    return out;
}

std::string Unescape(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 3) == "%25" || text.substr(i, 3) == "%0A") {
            out += text[i + 2] == '5' ? '%' : '\n';
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool ParseNumber(std::string_view text, int64_t& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool IsPlainName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

// "copy-N/name": a file in one of the session's copy folders, nowhere else.
bool IsCopyMapPath(std::string_view path)
{
    const size_t slash = path.find('/');
    if (slash == std::string_view::npos || !path.starts_with(kCopyPrefix)) {
        return false;
    }
    int64_t number = 0;
    return ParseNumber(path.substr(kCopyPrefix.size(), slash - kCopyPrefix.size()), number) &&
           number >= 0 && IsPlainName(path.substr(slash + 1));
}

std::string CopyFileName(const std::string& originalPath)
{
    std::string name = originalPath.substr(originalPath.find_last_of('/') + 1);
    if (name.empty()) {
        return "Untitled.qzbm";
    }
    const size_t dot = name.find_last_of('.');
    std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    // The copy is always a binary map, whatever the original's format.
    return extension == ".qzbm" ? name : name.substr(0, dot) + ".qzbm";
}

// Opens and locks a session folder; -1 when it cannot be opened or its session holds it.
int LockSession(const std::string& directory)
{
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::optional<RecoveryCopy> ReadLeftCopy(const fs::path& directory)
{
    std::error_code error;
    const std::string manifest = (directory / RecoveryFolder::kManifestName).string();
    const uintmax_t size = fs::file_size(manifest, error);
    std::vector<uint8_t> bytes;
    if (error || size > kManifestLimit || !ReadFileBytes(manifest, bytes)) {
        return std::nullopt;
    }
    std::optional<RecoveryCopy> copy =
        ParseRecoveryManifest({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    if (!copy) {
        return std::nullopt;
    }
    copy->directory = directory.string();
    copy->mapPath = copy->directory + "/" + copy->mapPath;
    if (!fs::is_regular_file(copy->mapPath, error)) {
        return std::nullopt;
    }
    return copy;
}

}  // namespace

std::string RecoveryManifestText(const RecoveryCopy& copy)
{
    return std::string(kHeader) + "\noriginal=" + Escape(copy.originalPath) +
           "\nmap=" + Escape(copy.mapPath) + "\nwritten=" + std::to_string(copy.writtenAt) + "\n";
}

std::optional<RecoveryCopy> ParseRecoveryManifest(std::string_view text)
{
    RecoveryCopy copy;
    bool header = false;
    bool map = false;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const size_t equals = line.find('=');
        const std::string_view key = line.substr(0, equals);
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view() : line.substr(equals + 1);
        if (!header) {
            if (line != kHeader) {
                return std::nullopt;
            }
            header = true;
        } else if (key == "original") {
            copy.originalPath = Unescape(value);
        } else if (key == "map") {
            copy.mapPath = Unescape(value);
            map = IsCopyMapPath(copy.mapPath);
        } else if (key == "written" && !ParseNumber(value, copy.writtenAt)) {
            return std::nullopt;
        }
    }
    if (!map) {
        return std::nullopt;
    }
    return copy;
}

RecoveryFolder::~RecoveryFolder()
{
    if (lock_ >= 0) {
        std::error_code error;
        fs::remove_all(session_, error);
        ::close(lock_);
    }
}

bool RecoveryFolder::Claim()
{
    if (lock_ >= 0) {
        return true;
    }
    if (root_.empty()) {
        return false;
    }
    std::error_code error;
    fs::create_directories(fs::path(root_).parent_path(), error);
    // Unsaved maps may be private: the folder is the user's alone.
    if (::mkdir(root_.c_str(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    // The folder gets its final name only once it is locked, so a scan never takes a session
    // that is still starting for one that ended.
    std::string pending = root_ + "/pending-XXXXXX";
    if (!::mkdtemp(pending.data())) {
        return false;
    }
    const std::string session =
        root_ + "/" + kSessionPrefix + pending.substr(pending.size() - 6);
    const int fd = LockSession(pending);
    if (fd < 0 || ::rename(pending.c_str(), session.c_str()) != 0) {
        if (fd >= 0) {
            ::close(fd);
        }
        fs::remove_all(pending, error);
        return false;
    }
    lock_ = fd;
    session_ = session;
    return true;
}

std::string RecoveryFolder::NextMapPath(const std::string& originalPath)
{
    return session_ + "/" + std::string(kCopyPrefix) + std::to_string(nextCopy_++) + "/" +
           CopyFileName(originalPath);
}

bool RecoveryFolder::Commit(const std::string& mapPath, const std::string& originalPath,
                            int64_t writtenAt) const
{
    if (session_.empty() || !mapPath.starts_with(session_ + "/")) {
        return false;
    }
    const std::string relative = mapPath.substr(session_.size() + 1);
    const std::string text = RecoveryManifestText({session_, relative, originalPath, writtenAt});
    AtomicFileWriter writer(session_ + "/" + kManifestName);
    if (!writer.Open() || !writer.Write(text.data(), text.size()) || !writer.Commit()) {
        return false;
    }
    const std::string current = relative.substr(0, relative.find('/'));
    std::error_code error;
    for (fs::directory_iterator it(session_, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with(kCopyPrefix) && name != current) {
            std::error_code ignored;
            fs::remove_all(it->path(), ignored);
        }
    }
    return true;
}

void RecoveryFolder::RemoveOwnCopy() const
{
    if (session_.empty()) {
        return;
    }
    std::error_code error;
    fs::remove(session_ + "/" + kManifestName, error);
    std::vector<fs::path> entries;
    for (fs::directory_iterator it(session_, error), end; !error && it != end; it.increment(error)) {
        entries.push_back(it->path());
    }
    for (const fs::path& entry : entries) {
        fs::remove_all(entry, error);
    }
}

std::vector<RecoveryCopy> RecoveryFolder::FindLeftCopies() const
{
    std::vector<RecoveryCopy> copies;
    std::error_code error;
    for (fs::directory_iterator it(root_, error), end; !error && it != end; it.increment(error)) {
        const fs::path& directory = it->path();
        std::error_code ignored;
        if (!directory.filename().string().starts_with(kSessionPrefix) ||
            directory.string() == session_ || !it->is_directory(ignored)) {
            continue;
        }
        const int fd = LockSession(directory.string());
        if (fd < 0) {
            continue;
        }
        if (std::optional<RecoveryCopy> copy = ReadLeftCopy(directory)) {
            copies.push_back(std::move(*copy));
        }
        ::close(fd);
    }
    std::sort(copies.begin(), copies.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        return a.writtenAt > b.writtenAt;
    });
    return copies;
}

std::optional<RecoveryCopy> RecoveryFolder::Adopt(const RecoveryCopy& copy)
{
    const int fd = LockSession(copy.directory);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<RecoveryCopy> adopted;
    const fs::path from = fs::path(copy.mapPath).parent_path();
    if (Claim() && from.parent_path() == fs::path(copy.directory)) {
        const std::string name = fs::path(copy.mapPath).filename().string();
        const std::string to = fs::path(NextMapPath(copy.originalPath)).parent_path().string();
        std::error_code error;
        fs::rename(from, to, error);
        if (!error && Commit(to + "/" + name, copy.originalPath, copy.writtenAt)) {
            adopted = RecoveryCopy{session_, to + "/" + name, copy.originalPath, copy.writtenAt};
            fs::remove_all(copy.directory, error);
        } else if (!error) {
            // Left where it was, the copy is offered again at the next start.
            fs::rename(to, from, error);
        }
    }
    ::close(fd);
    return adopted;
}

void RecoveryFolder::Remove(const RecoveryCopy& copy)
{
    const int fd = LockSession(copy.directory);
    if (fd >= 0) {
        std::error_code error;
        fs::remove_all(copy.directory, error);
        ::close(fd);
    }
}

}  // namespace tessark
