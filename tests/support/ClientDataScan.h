#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/LittleEndian.h"

namespace tessark::test {

// An independent walk over a client data file's records, for tests that check what a writer
// put into the file rather than what the reader made of it.
struct ScannedClientRecord {
    std::vector<uint8_t> options;  // option bytes in file order, payloads left out
    uint8_t width = 0;
    uint8_t height = 0;
    uint8_t layers = 0;
    uint8_t patternX = 0;
    uint8_t patternY = 0;
    uint8_t patternZ = 0;
    uint8_t phases = 0;
    std::vector<uint16_t> spriteIds;
};

struct ScannedClientData {
    uint16_t itemCount = 0;
    std::vector<ScannedClientRecord> records;  // records[i] has id 100 + i
};

// Payload sizes of the option bytes; nullopt for bytes that are no option.
inline std::optional<size_t> ClientOptionPayload(uint8_t option)
{
    switch (option) {
    case 0x00:
    case 0x08:
    case 0x19:
    case 0x1C:
    case 0x1D:
        return 2;
    case 0x15:
    case 0x18:
        return 4;
    default:
        if (option <= 0x1E && option != 0x16) {
            return 0;
        }
        return std::nullopt;
    }
}

// nullopt when the file cannot be read or does not follow the layout.
inline std::optional<ScannedClientData> ScanClientData(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12) {
        return std::nullopt;
    }
    ScannedClientData data;
    data.itemCount = LoadU16(bytes.data() + 4);
    size_t at = 12;
    auto need = [&](size_t n) { return at + n <= bytes.size(); };
    while (at < bytes.size()) {
        ScannedClientRecord record;
        for (;;) {
            if (!need(1)) {
                return std::nullopt;
            }
            const uint8_t option = bytes[at++];
            if (option == 0xFF) {
                break;
            }
            const auto payload = ClientOptionPayload(option);
            if (!payload || !need(*payload)) {
                return std::nullopt;
            }
            record.options.push_back(option);
            at += *payload;
        }
        if (!need(2)) {
            return std::nullopt;
        }
        record.width = bytes[at++];
        record.height = bytes[at++];
        if (record.width > 1 || record.height > 1) {
            if (!need(1)) {
                return std::nullopt;
            }
            ++at;  // crop size
        }
        if (!need(5)) {
            return std::nullopt;
        }
        record.layers = bytes[at++];
        record.patternX = bytes[at++];
        record.patternY = bytes[at++];
        record.patternZ = bytes[at++];
        record.phases = bytes[at++];
        const size_t count = size_t{record.width} * record.height * record.layers * record.patternX *
                             record.patternY * record.patternZ * record.phases;
        if (!need(count * 2)) {
            return std::nullopt;
        }
        for (size_t i = 0; i < count; ++i) {
            record.spriteIds.push_back(LoadU16(bytes.data() + at));
            at += 2;
        }
        data.records.push_back(std::move(record));
    }
    return data;
}

}  // namespace tessark::test
