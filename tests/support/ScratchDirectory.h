#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace tessark::test {

inline std::vector<uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string ReadWholeFile(const std::string& path)
{
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

inline bool WriteFileBytes(const std::string& path, std::span<const uint8_t> bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// Writes text (or any bytes) to a file as it is.
inline bool WriteTextFile(const std::string& path, std::string_view text)
{
    return WriteFileBytes(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

// A fresh directory under the system's temporary folder, removed with everything in it when
// the object goes.
class ScratchDirectory {
public:
    ScratchDirectory()
    {
        static std::atomic<unsigned> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("tessark-test-" + std::to_string(::getpid()) + "-" +
                 std::to_string(counter.fetch_add(1)));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDirectory()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::string File(std::string_view name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

    // Writes the bytes to the named file and returns its path.
    std::string Write(std::string_view name, std::span<const uint8_t> bytes) const
    {
        const std::string path = File(name);
        if (!WriteFileBytes(path, bytes)) {
            throw std::runtime_error("cannot write " + path);
        }
        return path;
    }

private:
    std::filesystem::path path_;
};

}  // namespace tessark::test
