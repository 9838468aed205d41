#include "platform/ArchiveWriter.h"

#include "platform/LittleEndian.h"

namespace tessark {

void ArchiveWriter::WriteU8(uint8_t value) { AppendU8(bytes_, value); }

void ArchiveWriter::WriteU16(uint16_t value) { AppendU16(bytes_, value); }

void ArchiveWriter::WriteU32(uint32_t value) { AppendU32(bytes_, value); }

void ArchiveWriter::WriteString(std::string_view text)
{
    const uint64_t length = text.size();
    if (length < 0xFF) {
        WriteU8(static_cast<uint8_t>(length));
    } else if (length < 0xFFFE) {
        WriteU8(0xFF);
        WriteU16(static_cast<uint16_t>(length));
    } else {
        WriteU8(0xFF);
        WriteU16(0xFFFF);
        if (length < 0xFFFFFFFFu) {
            WriteU32(static_cast<uint32_t>(length));
        } else {
            WriteU32(0xFFFFFFFFu);
            AppendU64(bytes_, length);
        }
    }
    AppendBytes(bytes_, text);
}

}  // namespace tessark
