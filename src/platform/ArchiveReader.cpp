#include "platform/ArchiveReader.h"

#include "platform/LittleEndian.h"

namespace tessark {

namespace {

void AppendUtf8(std::string& out, uint32_t codePoint)
{
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

constexpr uint32_t kReplacementCharacter = 0xFFFD;

}  // namespace

bool ArchiveReader::Fail(ArchiveError error)
{
    if (error_ == ArchiveError::None) {
        error_ = error;
    }
    return false;
}

bool ArchiveReader::ReadU8(uint8_t& value)
{
    if (!Ok() || Remaining() < 1) {
        return Fail(ArchiveError::EndOfFile);
    }
    value = bytes_[offset_++];
    return true;
}

bool ArchiveReader::ReadU16(uint16_t& value)
{
    if (!Ok() || Remaining() < 2) {
        return Fail(ArchiveError::EndOfFile);
    }
    value = LoadU16(bytes_.data() + offset_);
    offset_ += 2;
    return true;
}

bool ArchiveReader::ReadU32(uint32_t& value)
{
    if (!Ok() || Remaining() < 4) {
        return Fail(ArchiveError::EndOfFile);
    }
    value = LoadU32(bytes_.data() + offset_);
    offset_ += 4;
    return true;
}

bool ArchiveReader::ReadI32(int32_t& value)
{
    uint32_t raw = 0;
    if (!ReadU32(raw)) {
        return false;
    }
    value = static_cast<int32_t>(raw);
    return true;
}

bool ArchiveReader::ReadU64(uint64_t& value)
{
    if (!Ok() || Remaining() < 8) {
        return Fail(ArchiveError::EndOfFile);
    }
    value = LoadU64(bytes_.data() + offset_);
    offset_ += 8;
    return true;
}

bool ArchiveReader::ReadLength(uint64_t& length, bool& wide)
{
    wide = false;
    uint8_t shortLength = 0;
    if (!ReadU8(shortLength)) {
        return false;
    }
    if (shortLength < 0xFF) {
        length = shortLength;
        return true;
    }
    uint16_t wordLength = 0;
    if (!ReadU16(wordLength)) {
        return false;
    }
    if (wordLength == 0xFFFE) {
        // The 16-bit-character marker; the real length prefix follows.
        wide = true;
        if (!ReadU8(shortLength)) {
            return false;
        }
        if (shortLength < 0xFF) {
            length = shortLength;
            return true;
        }
        if (!ReadU16(wordLength)) {
            return false;
        }
    }
    if (wordLength < 0xFFFF) {
        length = wordLength;
        return true;
    }
    uint32_t longLength = 0;
    if (!ReadU32(longLength)) {
        return false;
    }
    if (longLength < 0xFFFFFFFFu) {
        length = longLength;
        return true;
    }
    return ReadU64(length);
}

bool ArchiveReader::ReadString(std::string& text)
{
    uint64_t length = 0;
    bool wide = false;
    if (!ReadLength(length, wide)) {
        return false;
    }
    if (wide) {
        return ReadWideCharacters(length, text);
    }
    // Checked before allocating, so a forged length cannot ask for gigabytes.
    if (length > Remaining()) {
        return Fail(ArchiveError::EndOfFile);
    }
    text.assign(reinterpret_cast<const char*>(bytes_.data() + offset_), static_cast<size_t>(length));
    offset_ += static_cast<size_t>(length);
    return true;
}

bool ArchiveReader::ReadWideCharacters(uint64_t count, std::string& text)
{
    if (count > Remaining() / 2) {
        return Fail(ArchiveError::EndOfFile);
    }
    const size_t units = static_cast<size_t>(count);
    const uint8_t* data = bytes_.data() + offset_;
    offset_ += units * 2;
    text.clear();
    text.reserve(units);
    for (size_t i = 0; i < units; ++i) {
        uint32_t unit = LoadU16(data + i * 2);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            const uint32_t low = LoadU16(data + (i + 1) * 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            unit = kReplacementCharacter;  // a lone surrogate has no UTF-8 form
        }
        AppendUtf8(text, unit);
    }
    return true;
}

}  // namespace tessark
