#include "xml/XmlTextWindow.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "xml/Markup.h"

namespace tessark {

namespace {

// As ReadXmlTextFile: past this many bytes a file could never become a document.
constexpr uint64_t kMaxFileSize = uint64_t{0x7FFFFF00} * 2 + 2;

}  // namespace

XmlTextWindow::XmlTextWindow(std::string_view text)
    : data_(text.data()), size_(text.size()), sizeHint_(text.size()), textLength_(text.size()),
      textEnded_(true), fileEnded_(true)
{
}

XmlTextWindow::XmlTextWindow(size_t size) : capacity_(std::max<size_t>(size, 2)) {}

XmlTextWindow::~XmlTextWindow()
{
    if (file_ >= 0) {
        ::close(file_);
    }
}

XmlReadResult XmlTextWindow::Open(const std::string& path)
{
    file_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file_ < 0) {
        return XmlReadResult::CannotOpen;
    }
    struct stat status {};
    if (fstat(file_, &status) == 0 && S_ISREG(status.st_mode)) {
        sizeHint_ = static_cast<size_t>(status.st_size);
    }
    bool readWhole = sizeHint_ > kMaxXmlDocumentLength;
    if (!readWhole) {
        buffer_.reset(new char[capacity_]);
        data_ = buffer_.get();
        atEnd_ = false;
        Fill();
        if (readFailed_) {
            return XmlReadResult::CannotOpen;
        }
        // UTF-16 text must be converted as a whole.
        readWhole = size_ >= 2 && static_cast<unsigned char>(data_[0]) == 0xFF &&
                    static_cast<unsigned char>(data_[1]) == 0xFE;
    }
    if (!readWhole) {
        return XmlReadResult::Ok;
    }
    ::close(file_);
    file_ = -1;
    buffer_.reset();
    XmlTextFile file = ReadXmlTextFile(path);
    whole_ = std::move(file.text);
    data_ = whole_.data();
    size_ = whole_.size();
    sizeHint_ = size_;
    textLength_ = size_;
    textEnded_ = fileEnded_ = atEnd_ = true;
    return file.result;
}

void XmlTextWindow::Fill()
{
    while (!atEnd_ && size_ < capacity_) {
        char* const at = buffer_.get() + size_;
        size_ += Take(at, ReadPiece(at, capacity_ - size_));
        if (textEnded_ || fileEnded_ || readFailed_) {
            textEnded_ = true;
            atEnd_ = true;
            textLength_ = offset_ + size_;
        }
    }
}

size_t XmlTextWindow::ReadPiece(char* at, size_t room)
{
    for (;;) {
        const ssize_t got = ::read(file_, at, room);
        if (got > 0) {
            return static_cast<size_t>(got);
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        readFailed_ = got < 0;
        fileEnded_ = true;
        return 0;
    }
}

size_t XmlTextWindow::Take(const char* at, size_t count)
{
    bytesRead_ += count;
    readFailed_ = readFailed_ || bytesRead_ > kMaxFileSize;
    if (textEnded_) {
        return 0;
    }
    const void* zero = std::memchr(at, 0, count);
    if (zero == nullptr) {
        return count;
    }
    textEnded_ = true;
    return static_cast<size_t>(static_cast<const char*>(zero) - at);
}

void XmlTextWindow::Advance(size_t keep)
{
    if (atEnd_) {
        return;
    }
    const size_t kept = size_ - keep;
    if (kept > capacity_ / 2) {
        capacity_ *= 2;
        std::unique_ptr<char[]> larger(new char[capacity_]);
        std::memcpy(larger.get(), data_ + keep, kept);
        buffer_ = std::move(larger);
    } else {
        std::memmove(buffer_.get(), data_ + keep, kept);
    }
    data_ = buffer_.get();
    offset_ += keep;
    size_ = kept;
    Fill();
}

XmlReadResult XmlTextWindow::Finish()
{
    if (file_ < 0) {
        return XmlReadResult::Ok;
    }
    // The window is done with: the rest is read over it, only counted.
    if (!textEnded_) {
        textLength_ = offset_ + size_;
    }
    data_ = nullptr;
    size_ = 0;
    while (!fileEnded_ && !readFailed_) {
        textLength_ += Take(buffer_.get(), ReadPiece(buffer_.get(), capacity_));
    }
    textEnded_ = atEnd_ = true;
    ::close(file_);
    file_ = -1;
    if (readFailed_) {
        return XmlReadResult::CannotOpen;
    }
    // As ReadXmlTextFile: a zero byte early in a long file means it is not text.
    const long long minimumLength = static_cast<long long>(bytesRead_ / 2) - 20;
    return static_cast<long long>(textLength_) < minimumLength ? XmlReadResult::BinaryData
                                                               : XmlReadResult::Ok;
}

}  // namespace tessark
