#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "data/ItemDatabase.h"
#include "mapfiles/MapFormats.h"
#include "mapfiles/QzbmLayout.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"
#include "support/MapTestWorld.h"
#include "support/MessagePrinter.h"
#include "support/NodeFileBuilder.h"

namespace tessark::test {

// A document over the map test database, with the map formats plugged in, its messages
// recorded, and a scratch folder for files.
class MapFileTest : public ::testing::Test {
protected:
    MapFileTest() { FillMapTestDatabase(database); }

    // A fresh document over the same database (which is shared, as in the editor).
    std::unique_ptr<CTessarkDoc> NewDocument()
    {
        auto fresh = std::make_unique<CTessarkDoc>(database, messages);
        RegisterMapFormats(*fresh);
        return fresh;
    }

    std::string File(std::string_view name) const { return dir.File(name); }

    // Reads the file into doc as the command-line tool does: what a failed read got stays,
    // and its message is shown.
    bool Read(const std::string& path)
    {
        const bool read = doc->ReadMapFile(path);
        if (!read) {
            doc->ReportLoadError(path);
        }
        return read;
    }

    ItemDatabase database;
    RecordingMessageSink messages;
    NodeFileTestDir dir;
    std::unique_ptr<CTessarkDoc> doc = NewDocument();
};

// A u16 length and the bytes, as the map files store strings.
inline NodeFileBuilder& String(NodeFileBuilder& builder, std::string_view text)
{
    builder.U16(static_cast<uint16_t>(text.size()));
    return builder.Text(text);
}

// The root header: version 0, width, height, items version.
inline NodeFileBuilder& Header(NodeFileBuilder& builder, uint16_t width, uint16_t height,
                               uint32_t major = kMapTestMajorVersion,
                               uint32_t minor = kMapTestMinorVersion)
{
    return builder.U32(0).U16(width).U16(height).U32(major).U32(minor);
}

// Starts the root with its header and the map data node, which gets the creator's description
// unless told otherwise; EndMap ends both. Returns the map data node's handle.
inline uint32_t BeginMap(NodeFileBuilder& file, uint16_t width, uint16_t height, bool creator = true,
                         uint32_t major = kMapTestMajorVersion, uint32_t minor = kMapTestMinorVersion)
{
    file.Start(qzbm::kRootNode);
    Header(file, width, height, major, minor);
    const uint32_t mapData = file.Start(qzbm::kMapDataNode);
    if (creator) {
        file.U8(qzbm::kDescriptionAttribute);
        String(file, qzbm::kCreatorText);
    }
    return mapData;
}

inline void EndMap(NodeFileBuilder& file) { file.End().End(); }

// Starts a tile area node at the base position; returns its handle.
inline uint32_t Area(NodeFileBuilder& file, uint16_t x, uint16_t y, uint8_t z)
{
    const uint32_t area = file.Start(qzbm::kTileAreaNode);
    file.U16(x).U16(y).U8(z);
    return area;
}

// A whole tile node with the grass ground and nothing else; returns its handle.
inline uint32_t GrassTile(NodeFileBuilder& file, uint8_t x, uint8_t y)
{
    const uint32_t tile = file.Start(qzbm::kTileNode);
    file.U8(x).U8(y).U8(qzbm::kGroundAttribute).U16(kGrass + 100);
    file.End();
    return tile;
}

}  // namespace tessark::test
