#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "data/ItemDatabase.h"
#include "mapfiles/MapFormats.h"
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

}  // namespace tessark::test
