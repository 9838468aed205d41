#include "xml/XmlTextFile.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>

#include <sys/mman.h>
#include <sys/stat.h>

#include "platform/AtomicFileWriter.h"

namespace tessark {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// A map's text fills hundreds of MB: in large pages it takes far fewer page faults. Only a hint;
// called before the buffer is first touched.
void AskForLargePages(std::string& buffer)
{
    constexpr uintptr_t kLargePage = uintptr_t{2} << 20;
    const auto begin = reinterpret_cast<uintptr_t>(buffer.data());
    const uintptr_t first = (begin + kLargePage - 1) & ~(kLargePage - 1);
    const uintptr_t last = (begin + buffer.capacity()) & ~(kLargePage - 1);
    if (last > first) {
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
}

// Reads the whole file; false on a read error or when the file is too large for a document.
bool ReadWholeFile(std::FILE* file, std::string& bytes)
{
    // Past this size the text could never become a document.
    constexpr size_t kMaxFileSize = size_t{0x7FFFFF00} * 2 + 2;
    // Read straight into a string of the file's size: a map's text is hundreds of MB, and
    // growing it step by step copies it over and over. A file that changes meanwhile is still
    // read to its end.
    struct stat status {};
    const bool sized = fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode) &&
                       static_cast<uint64_t>(status.st_size) <= kMaxFileSize;
    size_t used = 0;
    if (sized) {
        bytes.reserve(static_cast<size_t>(status.st_size) + 1);
        AskForLargePages(bytes);
    }
    bytes.resize(sized ? static_cast<size_t>(status.st_size) + 1 : size_t{1} << 16);
    for (;;) {
        if (used == bytes.size()) {
            bytes.resize(bytes.size() * 2);
        }
        const size_t got = std::fread(bytes.data() + used, 1, bytes.size() - used, file);
        used += got;
        if (used > kMaxFileSize) {
            return false;
        }
        if (got == 0) {
            bytes.resize(used);
            return !std::ferror(file);
        }
    }
}

void AppendUtf8(std::string& out, uint32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Converts UTF-16 LE units up to the first zero unit. An odd last byte pairs with a zero high
// byte, as if the file were followed by zeros; a surrogate without its partner becomes U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes)
{
    auto unitAt = [&](size_t index) -> uint32_t {
        const size_t at = index * 2;
        const uint32_t low = static_cast<unsigned char>(bytes[at]);
        const uint32_t high = at + 1 < bytes.size() ? static_cast<unsigned char>(bytes[at + 1]) : 0;
        return low | (high << 8);
    };
    const size_t unitCount = (bytes.size() + 1) / 2;
    std::string text;
    text.reserve(unitCount);
    for (size_t index = 0; index < unitCount; ++index) {
        const uint32_t unit = unitAt(index);
        if (unit == 0) {
            break;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF && index + 1 < unitCount) {
            const uint32_t low = unitAt(index + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++index;
                continue;
            }
        }
        AppendUtf8(text, unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit);
    }
    return text;
}

}  // namespace

XmlTextFile ReadXmlTextFile(const std::string& path)
{
    XmlTextFile result;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    std::string bytes;
    if (!file || !ReadWholeFile(file.get(), bytes)) {
        return result;
    }
    const std::string_view view = bytes;
    // A zero byte early in a long file means it is not text.
    const long long minimumLength = static_cast<long long>(bytes.size() / 2) - 20;
    std::string text;
    if (view.size() >= 2 && static_cast<unsigned char>(view[0]) == 0xFF &&
        static_cast<unsigned char>(view[1]) == 0xFE) {
        text = Utf16LeToUtf8(view.substr(2));
    } else {
        // The bytes become the text in place: no copy of a large file.
        const size_t zero = view.find('\0');
        if (zero != std::string_view::npos) {
            bytes.resize(zero);
        }
        text = std::move(bytes);
    }
    if (static_cast<long long>(text.size()) < minimumLength) {
        result.result = XmlReadResult::BinaryData;
        return result;
    }
    result.result = XmlReadResult::Ok;
    result.text = std::move(text);
    return result;
}

bool WriteXmlTextFile(const std::string& path, const std::string& text)
{
    AtomicFileWriter writer(path);
    if (!writer.Open()) {
        return false;
    }
    writer.Write(text.data(), text.size());
    return writer.Commit();
}

std::string FileNameOf(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string CouldNotOpenMessage(const std::string& path)
{
    return "Could not to open " + FileNameOf(path) + ".";
}

}  // namespace tessark
