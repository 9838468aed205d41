#include "mapfiles/NodeStream.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace tessark {

NodeStream::~NodeStream()
{
    if (file_) {
        std::fclose(file_);
    }
}

bool NodeStream::Open(const std::string& path)
{
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) {
        openError_ = errno;
        return false;
    }
    struct stat info {};
    bool sizeKnown = false;
    if (fstat(fileno(file_), &info) == 0) {
        // A folder opens for reading but reads nothing; it is no map.
        if (S_ISDIR(info.st_mode)) {
            openError_ = EISDIR;
            std::fclose(file_);
            file_ = nullptr;
            return false;
        }
        fileSize_ = static_cast<uint64_t>(info.st_size);
        sizeKnown = S_ISREG(info.st_mode);
    }
    // Whole chunks are read straight into this buffer; stdio's own would only copy them.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    // A small file (an empty one too) gets a buffer of its own size, one byte more so the read
    // that meets the end is a short one; the buffer is never zero-filled, only read into.
    chunkSize_ = sizeKnown && fileSize_ < kChunk ? static_cast<size_t>(fileSize_) + 1 : kChunk;
    chunk_ = std::make_unique_for_overwrite<uint8_t[]>(chunkSize_);
    cursor_ = end_ = chunk_.get();
    props_.resize(1024);
    uint8_t identifier[4] = {};
    for (uint8_t& byte : identifier) {
        if (!ReadByte(byte)) {
            return false;
        }
    }
    return (identifier[0] | identifier[1] | identifier[2] | identifier[3]) == 0;
}

bool NodeStream::Refill()
{
    if (!file_) {
        return false;
    }
    chunkOffset_ += static_cast<uint64_t>(end_ - chunk_.get());
    const size_t count = std::fread(chunk_.get(), 1, chunkSize_, file_);
    cursor_ = chunk_.get();
    end_ = cursor_ + count;
    atEnd_ = count == 0;
    return count > 0;
}

bool NodeStream::ReadNodeStart(uint8_t& type)
{
    uint8_t byte = 0;
    const uint64_t offset = Position();
    if (!ReadByte(byte) || byte != kNodeStart) {
        return false;
    }
    startOffset_ = static_cast<uint32_t>(std::min<uint64_t>(offset, 0xFFFFFFFFu));
    return ReadByte(type);
}

bool NodeStream::ReadProps()
{
    size_t size = 0;
    for (;;) {
        if (cursor_ == end_ && !Refill()) {
            return false;
        }
        // Plain bytes in a run, without a check per byte for the buffer's end.
        const size_t room = props_.size() - size;
        const size_t run = std::min<size_t>(static_cast<size_t>(end_ - cursor_), room);
        const uint8_t* from = cursor_;
        const uint8_t* stop = from;
        const uint8_t* limit = from + run;
        // Copied while scanned: a node's properties are a few bytes, too few for memmove.
        uint8_t* to = props_.data() + size;
        while (stop < limit && *stop < kEscape) {
            *to++ = *stop++;
        }
        size += static_cast<size_t>(stop - from);
        cursor_ = stop;
        if (stop == limit) {
            if (size == props_.size()) {
                props_.resize(props_.size() * 2);
            }
            continue;
        }
        const uint8_t byte = *cursor_++;
        if (byte == kEscape) {
            uint8_t escaped = 0;
            if (!ReadByte(escaped)) {
                return false;
            }
            if (size == props_.size()) {
                props_.resize(props_.size() * 2);
            }
            props_[size++] = escaped;
            continue;
        }
        stop_ = byte;
        if (byte == kNodeStart) {
            startOffset_ = static_cast<uint32_t>(std::min<uint64_t>(Position() - 1, 0xFFFFFFFFu));
        }
        propsSize_ = size;
        return true;
    }
}

NodeStream::Next NodeStream::ReadNext()
{
    uint8_t byte = 0;
    const uint64_t offset = Position();
    if (!ReadByte(byte)) {
        return Next::Fail;
    }
    if (byte == kNodeStart) {
        startOffset_ = static_cast<uint32_t>(std::min<uint64_t>(offset, 0xFFFFFFFFu));
        return Next::Child;
    }
    return byte == kNodeEnd ? Next::End : Next::Fail;
}

bool NodeStream::SkipChildren()
{
    if (stop_ != kNodeStart) {
        return true;  // the properties ended with the node's own 0xFF
    }
    // Inside the first child, just after its 0xFE.
    uint64_t depth = 2;
    uint8_t byte = 0;
    while (depth > 0) {
        if (!ReadByte(byte)) {
            return false;
        }
        if (byte == kEscape) {
            if (!ReadByte(byte)) {
                return false;
            }
        } else if (byte == kNodeStart) {
            ++depth;
        } else if (byte == kNodeEnd) {
            --depth;
        }
    }
    stop_ = kNodeEnd;
    return true;
}

}  // namespace tessark
