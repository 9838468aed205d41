// Makes writes fail as on a full disk, for tests of saving:
//   LD_PRELOAD=libtessark_fault_shim.so TESSARK_FAULT_PATH=PART TESSARK_FAULT_AFTER=BYTES program
// Writes to files whose path holds PART fail with ENOSPC once BYTES bytes have gone to them
// (all such files together). Other writes pass.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using WriteFunction = ssize_t (*)(int, const void*, size_t);

bool Watched(int fd, const char* part)
{
    char link[64];
    char path[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = ::readlink(link, path, sizeof path - 1);
    if (length <= 0) {
        return false;
    }
    path[length] = '\0';
    return std::strstr(path, part) != nullptr;
}

}  // namespace

extern "C" ssize_t write(int fd, const void* data, size_t size)
{
    static const auto real = reinterpret_cast<WriteFunction>(::dlsym(RTLD_NEXT, "write"));
    static const char* part = std::getenv("TESSARK_FAULT_PATH");
    static const long long limit = std::atoll(std::getenv("TESSARK_FAULT_AFTER") ? std::getenv("TESSARK_FAULT_AFTER") : "0");
    static long long written = 0;
    if (part != nullptr && *part != '\0' && fd > 2 && Watched(fd, part)) {
        if (written + static_cast<long long>(size) > limit) {
            errno = ENOSPC;
            return -1;
        }
        written += static_cast<long long>(size);
    }
    return real(fd, data, size);
}
