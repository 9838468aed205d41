#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessark {

class AtomicFileWriter;
class PropStream;

// Error codes of FileLoader (GetLastError); 0 = none.
enum NodeFileError : int {
    kNodeFileOk = 0,
    kNodeFileBadIdentifier = 1,   // the identifier at offset 0 is not 0
    kNodeFileCannotOpen = 2,      // the file cannot be opened for reading
    kNodeFileCannotCreate = 3,    // the file cannot be created for writing
    kNodeFileEndOfFile = 4,       // a byte was read past the end of the file (cached or not)
    kNodeFileSeekFailed = 5,      // seek failed, or a node handle lies past the end of the file
    kNodeFileNotOpen = 6,         // no file is open (for the operation asked)
    kNodeFileNoNode = 7,          // node handle 0 where a node is required
    kNodeFileBadNode = 8,         // no 0xFE at a handle, or junk after a node's end
    kNodeFilePositionFailed = 9,  // kept for the code table; the loader tracks its own position
    kNodeFileWriteFailed = 10,    // a write failed
    kNodeFileNoBlock = 11,        // a cached read with no current block (internal misuse)
};

// Reader and writer of the node-file container shared by items.qzb and the map files: a 4-byte
// zero identifier, then a tree of nodes (0xFE, type byte, escaped property bytes, children,
// 0xFF). 0xFD escapes the byte after it.
//
// Reading walks the tree by handles (file offsets of a node's 0xFE; 0 = no node, the root is 4).
// A returned handle is always greater than the handle it was found from, so any walk ends.
// Cached reading keeps three blocks of blockSize bytes (a twentieth of the file, 8 to 32 KiB);
// a read past the end of the file fails with kNodeFileEndOfFile in both modes. Only the first
// 4 GiB - 1 bytes of a file are addressable by handles; the rest reads as end of file.
//
// Writing goes through AtomicFileWriter: the bytes collect in a temporary file beside the target,
// and the target appears (or is replaced) only when CloseFile commits. A failed write, or a loader
// destroyed without CloseFile, leaves any previous file at the target exactly as it was; after a
// write failure every later write fails and CloseFile returns false.
class FileLoader {
public:
    static constexpr uint8_t kNodeStart = 0xFE;
    static constexpr uint8_t kNodeEnd = 0xFF;
    static constexpr uint8_t kEscape = 0xFD;
    static constexpr uint32_t kRootHandle = 4;
    // Node types above this cannot be read back (readers take the byte after 0xFE unescaped).
    static constexpr uint8_t kMaxNodeType = 0xFC;

    FileLoader();
    virtual ~FileLoader();
    FileLoader(const FileLoader&) = delete;
    FileLoader& operator=(const FileLoader&) = delete;

    // Opens for reading (write false) or for writing (write true; cached is then ignored).
    // Reading: false with error 2 (cannot open) or 1 (identifier not 0). Writing: false with
    // error 3 when the temporary file cannot be created. A file open for reading is closed
    // first; one open for writing is discarded (its target stays as it was).
    bool OpenFile(const std::string& path, bool write, bool cached);
    // Reading: closes the file. Writing: flushes and commits to the target; false (target
    // untouched, error 10) when any write failed or the commit fails. False with error 6 when
    // nothing is open.
    bool CloseFile();
    // Writing: writes out what is buffered and hands over the file uncommitted, so that the
    // caller commits it together with other files; null (error 10) when a write failed.
    std::unique_ptr<AtomicFileWriter> DetachFile();
    // The system's error number of the last failed open or write for writing, else 0.
    int WriteError() const { return writeError_; }
    bool IsOpen() const { return file_ != nullptr || writer_ != nullptr; }

    // Parent 0 asks for the root. 0 when there is no child (no error) or on an error.
    uint32_t GetChildNode(uint32_t parent, uint8_t& type);
    // 0 when the node is its parent's last child (no error) or on an error.
    uint32_t GetNextNode(uint32_t node, uint8_t& type);
    // The node's unescaped properties in the loader's buffer, valid until the next GetProps;
    // nullptr on an error.
    const uint8_t* GetProps(uint32_t node, size_t& size);
    bool GetProps(uint32_t node, PropStream& props);

    int GetLastError() const { return lastError_; }

    bool IsCached() const { return cached_; }
    uint32_t BlockSize() const { return blockSize_; }
    // The block size that cached reading uses for a file of this many bytes.
    static uint32_t BlockSizeFor(uint64_t fileSize);
    // Lets tests and fuzzers cross block boundaries with small files; any size from 1 works
    // with the base rule (p AND NOT (size - 1)). Drops the loaded blocks.
    void SetBlockSizeForTesting(uint32_t size);

    // Writes 0xFE and the type byte; types above kMaxNodeType fail with error 10.
    bool StartNode(uint8_t type);
    bool EndNode();
    // A length of 0 or less writes nothing and succeeds.
    bool WriteBytes(const void* data, int64_t length, bool escape);
    bool WriteBytes(std::span<const uint8_t> data, bool escape);
    // The escaped id byte and data; 0 or the error code.
    int WriteAttribute(uint8_t id, const void* data, int64_t length);
    int WriteAttribute(uint8_t id, std::span<const uint8_t> data);
    // A u16 length and the characters, all escaped; 0 or the error code. A text longer than
    // 65535 bytes cannot be stored and fails the write (error 10) rather than corrupt the file.
    int WriteString(std::string_view text);
    // A length of 0 or less means the text's length up to its terminating zero.
    int WriteString(const char* text, int64_t length);
    int WriteStringAttribute(uint8_t id, std::string_view text);
    int WriteStringAttribute(uint8_t id, const char* text, int64_t length);

private:
    struct Block {
        bool loaded = false;
        uint32_t base = 0;
        uint32_t size = 0;
        std::unique_ptr<uint8_t[]> data;
    };

    void CloseReading();
    void ResetBlocks();
    bool BeginRead(uint32_t node);
    // Goes to the byte after the node's properties, from the last GetProps when it was this node.
    bool SkipToPropsEnd(uint32_t node);
    bool GoTo(uint32_t position);
    // Slot index holding position, loading it if needed; -1 with lastError set on failure.
    int FindBlock(uint32_t position, int shortReadError);
    void MakeCurrent(int slot, uint32_t offset);
    bool ReadByteSlow(uint8_t& byte);
    bool ReadByte(uint8_t& byte)
    {
        if (cursor_ < blockEnd_) {
            byte = *cursor_++;
            return true;
        }
        return ReadByteSlow(byte);
    }
    // Reads on from the current position: runs of unescaped data go to onData(bytes, count),
    // node markers (0xFE, 0xFF) to onMarker, which returns false to stop there. False when a
    // read fails. Plain bytes are skipped a word at a time within the current block.
    template <typename OnData, typename OnMarker>
    bool ScanNodeBytes(OnData&& onData, OnMarker&& onMarker);
    // Position of the byte just read.
    uint32_t LastPosition() const;
    bool Fail(int error);

    bool PutByte(uint8_t byte)
    {
        if (writeFailed_) {
            return false;
        }
        writeBuffer_.push_back(byte);
        return writeBuffer_.size() < kWriteChunk || FlushWrites();
    }
    bool PutEscaped(uint8_t byte)
    {
        if (byte >= kEscape && !PutByte(kEscape)) {
            return false;
        }
        return PutByte(byte);
    }
    bool FlushWrites();
    bool CanWrite();

    static constexpr size_t kWriteChunk = 64 * 1024;
    static constexpr uint32_t kMaxPosition = 0xFFFFFFFFu;

    std::FILE* file_ = nullptr;
    std::unique_ptr<AtomicFileWriter> writer_;
    std::vector<uint8_t> writeBuffer_;
    bool writeFailed_ = false;
    int writeError_ = 0;
    int lastError_ = kNodeFileOk;
    std::vector<uint8_t> propBuffer_;

    bool cached_ = false;
    uint32_t blockSize_ = 0;
    // Bytes addressable through the cache: the file size, at most kMaxPosition.
    uint32_t readLimit_ = 0;
    std::array<Block, 3> blocks_;
    int currentBlock_ = -1;
    // Cached reading walks the current block through these; uncached reading leaves them null.
    const uint8_t* cursor_ = nullptr;
    const uint8_t* blockEnd_ = nullptr;
    // Uncached reading: offset of the next byte of the file.
    uint32_t filePosition_ = 0;
    // Where the last GetProps stopped (the marker after the properties), so that asking for
    // that node's child or sibling next does not scan its properties again.
    uint32_t propsNode_ = 0;
    uint32_t propsEnd_ = 0;
};

}  // namespace tessark
