#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace tessark {

// Reads a node file front to back in one pass, for the map reader: where the node-file loader
// walks the tree by handles and scans every node again to find its siblings, this hands out
// each node's start (its type, offset and unescaped properties) and end exactly once, in file
// order. Offsets are those the loader uses as node handles, so error codes are the same.
//
// Bytes are taken as the loader takes them: the byte after 0xFE is the type, unescaped;
// properties run to the first 0xFE or 0xFF with 0xFD escaping the byte after it; a subtree that
// is skipped is scanned with a depth count in which every 0xFD escapes the byte after it.
class NodeStream {
public:
    NodeStream() = default;
    ~NodeStream();
    NodeStream(const NodeStream&) = delete;
    NodeStream& operator=(const NodeStream&) = delete;

    // Opens the file and reads the 4-byte identifier; false when the file cannot be opened
    // (OpenError tells why) or the identifier is not 0.
    bool Open(const std::string& path);
    // The system's error number of a file that could not be opened, else 0.
    int OpenError() const { return openError_; }
    // The file's size, known once it is open.
    uint64_t FileSize() const { return fileSize_; }
    // Whether a read has met the end of the file, and the offset of the next byte.
    bool AtEnd() const { return atEnd_; }
    uint64_t Position() const { return chunkOffset_ + static_cast<uint64_t>(cursor_ - chunk_.get()); }

    // Reads the byte that starts a node (0xFE) and the node's type; false at the end of the
    // file or when another byte stands there. The node's offset is then StartOffset().
    bool ReadNodeStart(uint8_t& type);
    uint32_t StartOffset() const { return startOffset_; }

    // The properties of the node just started, up to the 0xFE of its first child (then
    // HasChildren is true and that child's 0xFE is consumed) or its own 0xFF (consumed). False
    // at the end of the file.
    bool ReadProps();
    const uint8_t* Props() const { return props_.data(); }
    size_t PropsSize() const { return propsSize_; }
    bool HasChildren() const { return stop_ == kNodeStart; }

    // After a child has ended: the next byte of its parent. Starts the next child (consuming its
    // 0xFE; the child's offset is then StartOffset()) and returns Next::Child, or returns
    // Next::End after consuming the parent's 0xFF; Next::Fail at the end of the file or at any
    // other byte.
    enum class Next { Child, End, Fail };
    Next ReadNext();
    // The type byte of a child that ReadProps or ReadNext started.
    bool ReadType(uint8_t& type) { return ReadByte(type); }

    // Skips the rest of a node whose properties were read: its children, if any, and its 0xFF.
    bool SkipChildren();

private:
    static constexpr uint8_t kNodeStart = 0xFE;
    static constexpr uint8_t kNodeEnd = 0xFF;
    static constexpr uint8_t kEscape = 0xFD;
    static constexpr size_t kChunk = 1 << 20;

    bool ReadByte(uint8_t& byte)
    {
        if (cursor_ == end_ && !Refill()) {
            return false;
        }
        byte = *cursor_++;
        return true;
    }
    bool Refill();

    std::FILE* file_ = nullptr;
    std::unique_ptr<uint8_t[]> chunk_;
    size_t chunkSize_ = kChunk;
    const uint8_t* cursor_ = nullptr;
    const uint8_t* end_ = nullptr;
    uint64_t chunkOffset_ = 0;
    uint32_t startOffset_ = 0;
    std::vector<uint8_t> props_;
    size_t propsSize_ = 0;
    uint8_t stop_ = 0;
    int openError_ = 0;
    uint64_t fileSize_ = 0;
    bool atEnd_ = false;
};

}  // namespace tessark
