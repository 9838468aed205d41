#include "mapfiles/QzbmWriter.h"

#include <algorithm>
#include <vector>

#include "data/ItemDatabase.h"
#include "data/MapLoader.h"
#include "data/PropStream.h"
#include "mapfiles/MapSideFiles.h"
#include "mapfiles/QzbmLayout.h"
#include "model/MapPath.h"
#include "model/TessarkDoc.h"
#include "platform/AtomicFileSet.h"
#include "platform/ProgressMeter.h"

namespace tessark {

namespace {

using namespace qzbm;

void AppendU16(std::vector<uint8_t>& out, uint16_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void AppendU32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

// The header holds sizes in 16 bits; a larger size is kept as the largest that fits rather than
// wrapped (65536 would read back as 0, which means "no size").
uint16_t HeaderSize(int32_t size) { return static_cast<uint16_t>(std::clamp(size, 0, 0xFFFF)); }

class QzbmWriter {
public:
    explicit QzbmWriter(CTessarkDoc& document)
        : document_(document), database_(document.Database()),
          progress_(document.Progress(), static_cast<double>(document.Tiles().Size()))
    {
    }

    bool Write(const std::string& path);

private:
    bool WriteMap(const std::string& path);
    bool WriteHeader();
    bool WriteMapAttributes(const std::string& path);
    bool WriteFloor(int floor);
    bool WriteTile(const CTile& tile, int32_t x, int32_t y);
    bool WriteTowns();

    CTessarkDoc& document_;
    const ItemDatabase& database_;
    MapLoader loader_;
    std::vector<uint8_t> bytes_;
    // Writing an item reads nothing; the encodings ask for a property stream all the same.
    PropStream unusedProps_;
    ProgressMeter progress_;
    double tilesWritten_ = 0;
};

bool QzbmWriter::Write(const std::string& path)
{
    std::unique_ptr<AtomicFileWriter> map;
    if (!WriteMap(path) || !(map = loader_.DetachFile())) {
        if (document_.errorDetail.empty()) {
            document_.errorDetail = SaveFailureDetail(path, loader_.WriteError());
        }
        return false;
    }
    // The map and its side files are replaced together, once all of them are written.
    AtomicFileSet files;
    files.Add(std::move(map));
    if (!AddSideFiles(document_, files)) {
        return false;
    }
    if (!files.Commit()) {
        document_.errorDetail = SaveFailureDetail(files.FailedPath(), files.Error());
        return false;
    }
    return true;
}

bool QzbmWriter::WriteMap(const std::string& path)
{
    if (!loader_.OpenFile(path, true, false)) {
        return false;
    }
    document_.mapDirectory = DirectoryPart(path);
    if (!loader_.StartNode(kRootNode) || !WriteHeader() || !loader_.StartNode(kMapDataNode) ||
        !WriteMapAttributes(path)) {
        return false;
    }
    for (int floor = 0; floor < kFloorCount; ++floor) {
        if (!WriteFloor(floor)) {
            return false;
        }
    }
    return WriteTowns() && loader_.EndNode() && loader_.EndNode();
}

bool QzbmWriter::WriteHeader()
{
    bytes_.clear();
    AppendU32(bytes_, 0);
    AppendU16(bytes_, HeaderSize(document_.width));
    AppendU16(bytes_, HeaderSize(document_.height));
    AppendU32(bytes_, database_.itemsMajorVersion);
    AppendU32(bytes_, database_.itemsMinorVersion);
    return loader_.WriteBytes(bytes_, true);
}

bool QzbmWriter::WriteMapAttributes(const std::string& path)
{
    if (!document_.GetDescription().empty() &&
        loader_.WriteStringAttribute(kDescriptionAttribute, document_.GetDescription()) != 0) {
        return false;
    }
    if (loader_.WriteStringAttribute(kDescriptionAttribute, kCreatorText) != 0) {
        return false;
    }
    NameSideFiles(document_, path);
    if (!document_.Spawns().Empty() &&
        loader_.WriteStringAttribute(kSpawnFileAttribute, document_.GetSpawnFile()) != 0) {
        return false;
    }
    if (!document_.Houses().Empty() &&
        loader_.WriteStringAttribute(kHouseFileAttribute, document_.GetHouseFile()) != 0) {
        return false;
    }
    return true;
}

bool QzbmWriter::WriteFloor(int floor)
{
    bool ok = true;
    bool areaOpen = false;
    int32_t areaX = 0;
    int32_t areaY = 0;
    // Ascending keys visit one 256 x 256 block after another, so each block's area node is
    // started once and the tiles need no sorting.
    document_.Tiles().ForEachTile(floor, [&](uint32_t key, const CTile& tile) {
        if (!ok) {
            return;
        }
        int32_t x = 0;
        int32_t y = 0;
        SplitTileKey(key, x, y);
        if (x > document_.width || y > document_.height) {
            return;
        }
        if (!areaOpen || x - areaX >= kAreaSpan || y - areaY >= kAreaSpan) {
            if (areaOpen && !loader_.EndNode()) {
                ok = false;
                return;
            }
            areaX = x & ~0xFF;
            areaY = y & ~0xFF;
            bytes_.clear();
            AppendU16(bytes_, static_cast<uint16_t>(areaX));
            AppendU16(bytes_, static_cast<uint16_t>(areaY));
            bytes_.push_back(static_cast<uint8_t>(floor));
            areaOpen = true;
            if (!loader_.StartNode(kTileAreaNode) || !loader_.WriteBytes(bytes_, true)) {
                ok = false;
                return;
            }
        }
        ok = WriteTile(tile, x - areaX, y - areaY);
        progress_.Update(++tilesWritten_);
    });
    if (ok && areaOpen) {
        ok = loader_.EndNode();
    }
    return ok;
}

bool QzbmWriter::WriteTile(const CTile& tile, int32_t offsetX, int32_t offsetY)
{
    const bool houseTile = tile.HasFlags(CTile::kHouseFlag);
    bytes_.clear();
    bytes_.push_back(static_cast<uint8_t>(offsetX));
    bytes_.push_back(static_cast<uint8_t>(offsetY));
    if (houseTile) {
        AppendU32(bytes_, tile.GetHouseId());
    }
    if (tile.GetFlags() != 0) {
        bytes_.push_back(kTileFlagsAttribute);
        AppendU32(bytes_, tile.GetFlags());
    }
    if (!loader_.StartNode(houseTile ? kHouseTileNode : kTileNode) ||
        !loader_.WriteBytes(bytes_, true)) {
        return false;
    }
    CItem* ground = tile.GetGround();
    if (ground && !ground->InlineIO(loader_, true, kGroundAttribute, unusedProps_, database_)) {
        return false;
    }
    // Thing order after the ground: always-on-top, then wall-hangings, then ordinary items.
    for (size_t i = ground ? 1 : 0; i < tile.GetThingCount(); ++i) {
        if (!tile.GetThing(i)->NodeIO(loader_, true, unusedProps_, true, database_)) {
            return false;
        }
    }
    return loader_.EndNode();
}

bool QzbmWriter::WriteTowns()
{
    if (document_.Towns().Empty()) {
        return true;
    }
    if (!loader_.StartNode(kTownsNode)) {
        return false;
    }
    for (const auto& [id, town] : document_.Towns().Towns()) {
        bytes_.clear();
        AppendU32(bytes_, id);
        if (!loader_.StartNode(kTownNode) || !loader_.WriteBytes(bytes_, true) ||
            loader_.WriteString(town->name) != 0) {
            return false;
        }
        bytes_.clear();
        AppendU16(bytes_, static_cast<uint16_t>(town->templeX));
        AppendU16(bytes_, static_cast<uint16_t>(town->templeY));
        bytes_.push_back(static_cast<uint8_t>(town->templeZ));
        if (!loader_.WriteBytes(bytes_, true) || !loader_.EndNode()) {
            return false;
        }
    }
    return loader_.EndNode();
}

}  // namespace

bool SaveQzbm(CTessarkDoc& document, const std::string& path)
{
    return QzbmWriter(document).Write(path);
}

}  // namespace tessark
