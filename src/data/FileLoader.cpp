#include "data/FileLoader.h"

#include <algorithm>
#include <cstring>

#include "data/PropStream.h"
#include "platform/AtomicFileWriter.h"

namespace tessark {

namespace {
constexpr size_t kInitialPropBuffer = 1024;
constexpr uint32_t kMinBlockSize = 8192;
constexpr uint32_t kMaxBlockSize = 32768;
constexpr size_t kMaxStringLength = 0xFFFF;
}  // namespace

FileLoader::FileLoader() : propBuffer_(kInitialPropBuffer) {}

FileLoader::~FileLoader()
{
    CloseReading();
    // An uncommitted writer removes its temporary file; the target is never touched.
}

uint32_t FileLoader::BlockSizeFor(uint64_t fileSize)
{
    const uint64_t twentieth = fileSize / 20;
    if (twentieth <= kMinBlockSize) {
        return kMinBlockSize;
    }
    if (twentieth > kMaxBlockSize) {
        return kMaxBlockSize;
    }
    return static_cast<uint32_t>(twentieth) & ~(kMinBlockSize - 1);
}

void FileLoader::SetBlockSizeForTesting(uint32_t size)
{
    if (size == 0) {
        return;
    }
    blockSize_ = size;
    ResetBlocks();
}

bool FileLoader::Fail(int error)
{
    lastError_ = error;
    return false;
}

void FileLoader::ResetBlocks()
{
    for (Block& block : blocks_) {
        block = Block{};
    }
    currentBlock_ = -1;
    cursor_ = blockEnd_ = nullptr;
}

void FileLoader::CloseReading()
{
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    ResetBlocks();
    cached_ = false;
    propsNode_ = 0;
    blockSize_ = 0;
    readLimit_ = 0;
    filePosition_ = 0;
}

bool FileLoader::OpenFile(const std::string& path, bool write, bool cached)
{
    CloseReading();
    writer_.reset();
    writeBuffer_.clear();
    writeFailed_ = false;
    writeError_ = 0;

    if (write) {
        writer_ = std::make_unique<AtomicFileWriter>(path);
        if (!writer_->Open()) {
            writeError_ = writer_->Error();
            writer_.reset();
            return Fail(kNodeFileCannotCreate);
        }
        writeBuffer_.reserve(kWriteChunk);
        // A failure here is recorded and shows again at CloseFile.
        for (int i = 0; i < 4; ++i) {
            PutByte(0);
        }
        return true;
    }

    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) {
        return Fail(kNodeFileCannotOpen);
    }
    if (cached) {
        // The blocks are the buffer; stdio's own would only copy every byte twice.
        std::setvbuf(file_, nullptr, _IONBF, 0);
    }
    uint64_t fileSize = 0;
    if (std::fseek(file_, 0, SEEK_END) == 0) {
        const long end = std::ftell(file_);
        fileSize = end > 0 ? static_cast<uint64_t>(end) : 0;
    }
    uint8_t identifier[4] = {};
    if (std::fseek(file_, 0, SEEK_SET) != 0 || std::fread(identifier, 1, 4, file_) != 4 ||
        LoadU32(identifier) != 0) {
        CloseReading();
        return Fail(kNodeFileBadIdentifier);
    }
    filePosition_ = 4;
    readLimit_ = static_cast<uint32_t>(std::min<uint64_t>(fileSize, kMaxPosition));
    cached_ = cached;
    blockSize_ = cached ? BlockSizeFor(fileSize) : 0;
    return true;
}

bool FileLoader::CloseFile()
{
    if (writer_) {
        const bool ok = !writeFailed_ && FlushWrites() && writer_->Commit();
        if (!ok) {
            writeError_ = writer_->Error();
            writer_->Discard();
            Fail(kNodeFileWriteFailed);
        }
        writer_.reset();
        writeBuffer_.clear();
        writeBuffer_.shrink_to_fit();
        writeFailed_ = false;
        return ok;
    }
    if (file_) {
        CloseReading();
        return true;
    }
    return Fail(kNodeFileNotOpen);
}

// ---- reading ----

void FileLoader::MakeCurrent(int slot, uint32_t offset)
{
    const Block& block = blocks_[slot];
    currentBlock_ = slot;
    cursor_ = block.data.get() + offset;
    blockEnd_ = block.data.get() + block.size;
}

int FileLoader::FindBlock(uint32_t position, int shortReadError)
{
    const uint32_t base = position & ~(blockSize_ - 1);
    for (int i = 0; i < 3; ++i) {
        if (blocks_[i].loaded && blocks_[i].base == base) {
            return i;
        }
    }
    int slot = -1;
    for (int i = 0; i < 3 && slot < 0; ++i) {
        if (!blocks_[i].loaded) {
            slot = i;
        }
    }
    for (int i = 0; i < 3 && slot < 0; ++i) {
        if (static_cast<uint64_t>(static_cast<uint32_t>(blocks_[i].base - base)) >
            2 * static_cast<uint64_t>(blockSize_)) {
            slot = i;
        }
    }
    if (slot < 0) {
        slot = 0;
    }

    Block& block = blocks_[slot];
    if (slot == currentBlock_) {
        currentBlock_ = -1;
        cursor_ = blockEnd_ = nullptr;
    }
    if (!block.data) {
        block.data = std::make_unique<uint8_t[]>(blockSize_);
    }
    block.loaded = false;
    block.base = base;
    block.size = 0;
    if (std::fseek(file_, static_cast<long>(base), SEEK_SET) != 0) {
        Fail(kNodeFileSeekFailed);
        return -1;
    }
    const size_t wanted = base < readLimit_ ? std::min<size_t>(blockSize_, readLimit_ - base) : 0;
    const size_t count = wanted ? std::fread(block.data.get(), 1, wanted, file_) : 0;
    if (count < position - base) {
        Fail(shortReadError);
        return -1;
    }
    block.size = static_cast<uint32_t>(count);
    block.loaded = true;
    return slot;
}

bool FileLoader::GoTo(uint32_t position)
{
    if (!cached_) {
        if (std::fseek(file_, static_cast<long>(position), SEEK_SET) != 0) {
            return Fail(kNodeFileSeekFailed);
        }
        filePosition_ = position;
        return true;
    }
    if (position > readLimit_) {
        return Fail(kNodeFileSeekFailed);
    }
    const int slot = FindBlock(position, kNodeFileSeekFailed);
    if (slot < 0) {
        return false;
    }
    const uint32_t offset = position - blocks_[slot].base;
    if (offset > blocks_[slot].size) {
        return Fail(kNodeFileSeekFailed);
    }
    MakeCurrent(slot, offset);
    return true;
}

bool FileLoader::ReadByteSlow(uint8_t& byte)
{
    if (!cached_) {
        if (filePosition_ >= kMaxPosition) {
            return Fail(kNodeFileEndOfFile);
        }
        const int c = std::fgetc(file_);
        if (c == EOF) {
            return Fail(kNodeFileEndOfFile);
        }
        ++filePosition_;
        byte = static_cast<uint8_t>(c);
        return true;
    }
    if (currentBlock_ < 0) {
        return Fail(kNodeFileNoBlock);
    }
    const Block& current = blocks_[currentBlock_];
    const uint64_t next = current.base + static_cast<uint64_t>(cursor_ - current.data.get());
    // A short block is the file's last: never hand out bytes that were not read.
    if (next >= readLimit_) {
        return Fail(kNodeFileEndOfFile);
    }
    const uint32_t position = static_cast<uint32_t>(next);
    const int slot = FindBlock(position, kNodeFileEndOfFile);
    if (slot < 0) {
        return false;
    }
    const uint32_t offset = position - blocks_[slot].base;
    if (offset >= blocks_[slot].size) {
        return Fail(kNodeFileEndOfFile);
    }
    MakeCurrent(slot, offset);
    byte = *cursor_++;
    return true;
}

uint32_t FileLoader::LastPosition() const
{
    if (!cached_) {
        return filePosition_ - 1;
    }
    const Block& current = blocks_[currentBlock_];
    return current.base + static_cast<uint32_t>(cursor_ - current.data.get()) - 1;
}

bool FileLoader::BeginRead(uint32_t node)
{
    if (!file_) {
        return Fail(kNodeFileNotOpen);
    }
    if (node == 0) {
        return Fail(kNodeFileNoNode);
    }
    uint8_t byte = 0;
    if (!GoTo(node) || !ReadByte(byte)) {
        return false;
    }
    if (byte != kNodeStart) {
        return Fail(kNodeFileBadNode);
    }
    return ReadByte(byte);  // the type
}

namespace {

// True when one of the eight bytes is 0xFD or above: (b & 0x7F) + 3 reaches 0x80 exactly for
// 0x7D..0x7F, and no byte's sum carries into its neighbour.
inline bool HasMarkerByte(uint64_t word)
{
    constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
    constexpr uint64_t kThrees = 0x0303030303030303ull;
    constexpr uint64_t kHigh = 0x8080808080808080ull;
    return (((word & kLow7) + kThrees) & word & kHigh) != 0;
}

}  // namespace

template <typename OnData, typename OnMarker>
bool FileLoader::ScanNodeBytes(OnData&& onData, OnMarker&& onMarker)
{
    for (;;) {
        const uint8_t* position = cursor_;
        const uint8_t* end = blockEnd_;
        while (position < end) {
            const uint8_t* const run = position;
            uint64_t word = 0;
            while (end - position >= 8 &&
                   (std::memcpy(&word, position, 8), !HasMarkerByte(word))) {
                position += 8;
            }
            while (position < end && *position < kEscape) {
                ++position;
            }
            if (position > run) {
                onData(run, static_cast<size_t>(position - run));
            }
            if (position == end) {
                break;
            }
            const uint8_t byte = *position++;
            if (byte == kEscape) {
                if (position < end) {
                    onData(position, 1);
                    ++position;
                    continue;
                }
                cursor_ = position;
                uint8_t escaped = 0;
                if (!ReadByteSlow(escaped)) {
                    return false;
                }
                onData(&escaped, 1);
                position = cursor_;
                end = blockEnd_;
                continue;
            }
            if (!onMarker(byte)) {
                cursor_ = position;
                return true;
            }
        }
        cursor_ = position;
        // The next block, or the next byte of an uncached file.
        uint8_t byte = 0;
        if (!ReadByteSlow(byte)) {
            return false;
        }
        if (byte == kEscape) {
            if (!ReadByte(byte)) {
                return false;
            }
            onData(&byte, 1);
        } else if (byte > kEscape) {
            if (!onMarker(byte)) {
                return true;
            }
        } else {
            onData(&byte, 1);
        }
    }
}

bool FileLoader::SkipToPropsEnd(uint32_t node)
{
    if (node == 0 || node != propsNode_ || !file_) {
        return BeginRead(node);
    }
    return GoTo(propsEnd_);
}

uint32_t FileLoader::GetChildNode(uint32_t parent, uint8_t& type)
{
    if (!file_) {
        Fail(kNodeFileNotOpen);
        return 0;
    }
    uint8_t byte = 0;
    if (parent == 0) {
        if (!GoTo(kRootHandle) || !ReadByte(byte)) {
            return 0;
        }
        if (byte != kNodeStart) {
            Fail(kNodeFileBadNode);
            return 0;
        }
        return ReadByte(type) ? kRootHandle : 0;
    }
    if (!SkipToPropsEnd(parent)) {
        return 0;
    }
    // The parent's properties end at its first child or at its own end.
    uint8_t marker = 0;
    const bool read = ScanNodeBytes([](const uint8_t*, size_t) {},
                                    [&marker](uint8_t b) {
                                        marker = b;
                                        return false;
                                    });
    if (!read || marker == kNodeEnd) {
        return 0;
    }
    const uint32_t handle = LastPosition();
    return ReadByte(type) ? handle : 0;
}

uint32_t FileLoader::GetNextNode(uint32_t node, uint8_t& type)
{
    if (!SkipToPropsEnd(node)) {
        return 0;
    }
    uint64_t depth = 1;
    const bool read = ScanNodeBytes([](const uint8_t*, size_t) {},
                                    [&depth](uint8_t b) {
                                        if (b == kNodeStart) {
                                            ++depth;
                                            return true;
                                        }
                                        return --depth != 0;
                                    });
    uint8_t byte = 0;
    if (!read || !ReadByte(byte) || byte == kNodeEnd) {
        return 0;
    }
    if (byte != kNodeStart) {
        Fail(kNodeFileBadNode);
        return 0;
    }
    const uint32_t handle = LastPosition();
    return ReadByte(type) ? handle : 0;
}

const uint8_t* FileLoader::GetProps(uint32_t node, size_t& size)
{
    propsNode_ = 0;
    if (!BeginRead(node)) {
        return nullptr;
    }
    size_t count = 0;
    const bool read = ScanNodeBytes(
        [&](const uint8_t* bytes, size_t length) {
            if (propBuffer_.size() - count < length) {
                // Doubling rather than a fixed step: a long property run must not cost quadratic time.
                propBuffer_.resize(std::max(propBuffer_.size() * 2, count + length));
            }
            std::memcpy(propBuffer_.data() + count, bytes, length);
            count += length;
        },
        [](uint8_t) { return false; });  // a child's start or the node's end
    if (!read) {
        return nullptr;
    }
    propsNode_ = node;
    propsEnd_ = LastPosition();
    size = count;
    return propBuffer_.data();
}

bool FileLoader::GetProps(uint32_t node, PropStream& props)
{
    size_t size = 0;
    const uint8_t* data = GetProps(node, size);
    if (!data) {
        props.Clear();
        return false;
    }
    props.Reset(data, size);
    return true;
}

// ---- writing ----

std::unique_ptr<AtomicFileWriter> FileLoader::DetachFile()
{
    if (!writer_) {
        Fail(kNodeFileNotOpen);
        return nullptr;
    }
    const bool ok = !writeFailed_ && FlushWrites();
    std::unique_ptr<AtomicFileWriter> file = std::move(writer_);
    writeBuffer_.clear();
    writeBuffer_.shrink_to_fit();
    writeFailed_ = false;
    if (!ok) {
        return nullptr;  // its temporary file goes with it
    }
    return file;
}

bool FileLoader::FlushWrites()
{
    if (writeFailed_) {
        return false;
    }
    const bool ok = writer_->Write(writeBuffer_.data(), writeBuffer_.size());
    writeBuffer_.clear();
    if (!ok) {
        writeError_ = writer_->Error();
        writeFailed_ = true;
        return Fail(kNodeFileWriteFailed);
    }
    return true;
}

bool FileLoader::CanWrite()
{
    if (!writer_) {
        return Fail(kNodeFileNotOpen);
    }
    return !writeFailed_;
}

bool FileLoader::StartNode(uint8_t type)
{
    if (!CanWrite()) {
        return false;
    }
    if (type > kMaxNodeType) {
        writeFailed_ = true;
        return Fail(kNodeFileWriteFailed);
    }
    PutByte(kNodeStart);
    return PutEscaped(type);
}

bool FileLoader::EndNode()
{
    return CanWrite() && PutByte(kNodeEnd);
}

bool FileLoader::WriteBytes(const void* data, int64_t length, bool escape)
{
    if (length <= 0) {
        return true;
    }
    if (!CanWrite()) {
        return false;
    }
    const auto* bytes = static_cast<const uint8_t*>(data);
    for (int64_t i = 0; i < length; ++i) {
        if (!(escape ? PutEscaped(bytes[i]) : PutByte(bytes[i]))) {
            return false;
        }
    }
    return true;
}

bool FileLoader::WriteBytes(std::span<const uint8_t> data, bool escape)
{
    return WriteBytes(data.data(), static_cast<int64_t>(data.size()), escape);
}

int FileLoader::WriteAttribute(uint8_t id, const void* data, int64_t length)
{
    if (!WriteBytes(&id, 1, true) || !WriteBytes(data, length, true)) {
        return lastError_ ? lastError_ : kNodeFileWriteFailed;
    }
    return kNodeFileOk;
}

int FileLoader::WriteAttribute(uint8_t id, std::span<const uint8_t> data)
{
    return WriteAttribute(id, data.data(), static_cast<int64_t>(data.size()));
}

int FileLoader::WriteString(std::string_view text)
{
    if (!CanWrite()) {
        return lastError_ ? lastError_ : kNodeFileWriteFailed;
    }
    if (text.size() > kMaxStringLength) {
        writeFailed_ = true;
        Fail(kNodeFileWriteFailed);
        return kNodeFileWriteFailed;
    }
    const uint8_t length[2] = {static_cast<uint8_t>(text.size()),
                               static_cast<uint8_t>(text.size() >> 8)};
    if (!WriteBytes(length, 2, true) ||
        !WriteBytes(text.data(), static_cast<int64_t>(text.size()), true)) {
        return lastError_ ? lastError_ : kNodeFileWriteFailed;
    }
    return kNodeFileOk;
}

int FileLoader::WriteString(const char* text, int64_t length)
{
    if (length <= 0) {
        return WriteString(text ? std::string_view(text) : std::string_view());
    }
    return WriteString(std::string_view(text, static_cast<size_t>(length)));
}

int FileLoader::WriteStringAttribute(uint8_t id, std::string_view text)
{
    if (!WriteBytes(&id, 1, true)) {
        return lastError_ ? lastError_ : kNodeFileWriteFailed;
    }
    return WriteString(text);
}

int FileLoader::WriteStringAttribute(uint8_t id, const char* text, int64_t length)
{
    if (!WriteBytes(&id, 1, true)) {
        return lastError_ ? lastError_ : kNodeFileWriteFailed;
    }
    return WriteString(text, length);
}

}  // namespace tessark
