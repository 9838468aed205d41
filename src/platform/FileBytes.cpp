#include "platform/FileBytes.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>

namespace tessark {

namespace {
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
constexpr size_t kChunkSize = 1 << 16;

bool ReadAll(std::FILE* file, std::vector<uint8_t>& bytes)
{
    // A regular file's size is a hint for the first read (one byte more, so a file of exactly
    // that size ends in one call); the loop reads whatever is really there.
    struct stat status {};
    if (::fstat(::fileno(file), &status) != 0 || S_ISDIR(status.st_mode)) {
        return false;
    }
    size_t request = kChunkSize;
    if (S_ISREG(status.st_mode) && status.st_size > 0) {
        request = static_cast<size_t>(status.st_size) + 1;
    }
    size_t length = 0;
    for (;;) {
        bytes.resize(length + request);
        size_t got = std::fread(bytes.data() + length, 1, request, file);
        length += got;
        if (got < request) {
            break;
        }
        request = std::max(kChunkSize, length);
    }
    bytes.resize(length);
    return !std::ferror(file);
}
}  // namespace

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes)
{
    bytes.clear();
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return false;
    }
    bool ok = false;
    try {
        ok = ReadAll(file.get(), bytes);
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    if (!ok) {
        bytes.clear();
        bytes.shrink_to_fit();
    }
    return ok;
}

}  // namespace tessark
