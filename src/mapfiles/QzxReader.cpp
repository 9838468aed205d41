#include "mapfiles/QzxReader.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "data/ItemDatabase.h"
#include "mapfiles/MapReadRegistry.h"
#include "mapfiles/QzxLayout.h"
#include "mapfiles/TemplateLoader.h"
#include "model/LoadError.h"
#include "model/MapPath.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/MessageSink.h"
#include "platform/ProgressMeter.h"
#include "xml/Markup.h"
#include "xml/XmlAttributes.h"
#include "xml/XmlElementStream.h"
#include "xml/XmlNameSet.h"
#include "xml/XmlPlainTag.h"
#include "xml/XmlTextFile.h"
#include "xml/XmlTokenizer.h"

namespace tessark {

namespace {

using namespace qzx;

// ReadXmlNumber with its common case inline: a map holds tens of millions of numbers.
int Number(std::string_view text)
{
    int value = 0;
    return text.empty() || ReadPlainXmlNumber(text, value) ? value : ReadXmlNumber(text);
}

// Reads the tiles straight from the text as the element walk reaches them, never building an
// element table: a map's text is hundreds of MB. A syntax error anywhere in the document undoes
// what was read and shows the parse error, as a parse before reading would have.
class QzxReader {
public:
    explicit QzxReader(CTessarkDoc& document)
        : document_(document), database_(document.Database()), registry_(document),
          progress_(document.Progress(), 0)
    {
    }

    bool Read(const std::string& path);

private:
    // What the element at depth 1 (a child of the map element) is.
    enum class Section { Other, Tile, Towns };

    bool Fail(LoadErrorKind kind, std::string detail = {})
    {
        document_.errorKind = static_cast<int32_t>(kind);
        document_.errorCode = 0;
        document_.errorDetail = std::move(detail);
        return false;
    }
    bool FailItem(int id, const Position& position, const char* problem)
    {
        return Fail(LoadErrorKind::UnserializeObject,
                    "the item id " + std::to_string(id) + " on the tile at " + std::to_string(position.x) +
                        ", " + std::to_string(position.y) + ", " + std::to_string(position.z) + problem);
    }
    bool FailParse(const std::string& error);
    // The type key for an id of the file, by server id or by client id.
    int32_t KeyOf(int id) const
    {
        const int32_t key = id - kTypeKeyOffset;
        return clientIds_ ? database_.ClientToServer(static_cast<uint32_t>(key)) : key;
    }
    XmlAttributes AttributesOf(const XmlElementStream& stream) const
    {
        const XmlPlainTag* plain = stream.PlainTag();
        return plain ? XmlAttributes(text_, stream.TagBegin(), *plain)
                     : XmlAttributes(text_, stream.TagBegin(), stream.TagEnd());
    }
    // Walks to the end of the document; false (and the parse error shown) on a syntax error.
    bool FinishWalk(XmlElementStream& stream);

    bool ReadMap(XmlElementStream& stream);
    void ReadMapAttributes(const XmlAttributes& attributes);
    void BeginTile(const XmlElementStream& stream);
    bool ReadItem(const XmlElementStream& stream);
    void EndTile();
    void ReadTowns();

    CTessarkDoc& document_;
    ItemDatabase& database_;
    MapReadRegistry registry_;
    ProgressMeter progress_;
    std::string_view text_;
    std::string path_;
    bool clientIds_ = false;
    std::string tileAttributes_[6];
    // A member: a fresh array per tile costs a block fill each time.
    std::string_view tileValues_[6];
    // The tile being read (null for a tile left out), where it starts and stands.
    CTile* tile_ = nullptr;
    size_t tileBegin_ = 0;
    Position tilePosition_{};
    // The first towns element after the last tile, and its town elements.
    bool townsFound_ = false;
    std::vector<size_t> towns_;
};

bool QzxReader::Read(const std::string& path)
{
    XmlTextFile file = ReadXmlTextFile(path);
    if (file.result != XmlReadResult::Ok) {
        return Fail(LoadErrorKind::Generic, file.result == XmlReadResult::BinaryData
                                                ? "the file holds binary data"
                                                : "the file cannot be read");
    }
    path_ = path;
    text_ = file.text;
    if (text_.empty()) {
        return FailParse({});
    }
    if (text_.size() > kMaxXmlDocumentLength) {
        return FailParse(kXmlDocumentTooLarge);
    }
    XmlElementStream stream(text_);
    if (stream.Next() == XmlElementStream::Step::Failed) {
        return FailParse(stream.Error());
    }
    if (!XmlTokenMatches(stream.Name(), kMapElement)) {
        return FinishWalk(stream) && Fail(LoadErrorKind::Header, "the file has no map element");
    }
    // What a syntax error further on must put back.
    const int width = document_.width;
    const int height = document_.height;
    const Position temple = document_.temple;
    const std::string mapDirectory = document_.mapDirectory;
    // Removing an empty tile below counts as an edit; reading a map is none.
    const bool wasModified = document_.IsModified();
    const bool read = ReadMap(stream);
    document_.SetModifiedFlag(wasModified);
    if (!FinishWalk(stream)) {
        document_.DeleteContents();
        document_.width = width;
        document_.height = height;
        document_.temple = temple;
        document_.mapDirectory = mapDirectory;
        document_.SetModifiedFlag(wasModified);
        return false;
    }
    if (!read) {
        return false;
    }
    registry_.ReportTilesLeftOut();
    ReadTowns();
    document_.errorKind = 0;
    document_.errorCode = 0;
    document_.errorDetail.clear();
    return true;
}

bool QzxReader::FailParse(const std::string& error)
{
    const std::string message = "Error: " + error + "\r\n";
    document_.Messages().Ask({message, MessageIcon::Error, FileNamePart(path_)});
    // The message said it; the open shows no second one.
    return Fail(LoadErrorKind::None);
}

bool QzxReader::FinishWalk(XmlElementStream& stream)
{
    for (;;) {
        switch (stream.Next()) {
        case XmlElementStream::Step::Done:
            return true;
        case XmlElementStream::Step::Failed:
            return FailParse(stream.Error());
        default:
            break;
        }
    }
}

// From the map element's start on; false when an item fails. Stops at the map's end or at a
// syntax error, which the caller's walk then meets.
bool QzxReader::ReadMap(XmlElementStream& stream)
{
    progress_.SetTotal(static_cast<double>(text_.size()));
    document_.mapDirectory = DirectoryPart(path_);
    ReadMapAttributes(AttributesOf(stream));
    if (stream.IsEmpty()) {
        return true;
    }
    Section section = Section::Other;
    for (;;) {
        const XmlElementStream::Step step = stream.Next();
        if (step == XmlElementStream::Step::Done || step == XmlElementStream::Step::Failed) {
            return true;
        }
        const size_t depth = stream.Depth();
        if (step == XmlElementStream::Step::End) {
            if (depth == 1 && section == Section::Tile) {
                EndTile();
            }
            if (depth == 1) {
                section = Section::Other;
            }
            continue;
        }
        if (depth == 1) {
            section = Section::Other;
            if (XmlTokenMatches(stream.Name(), kTileElement)) {
                section = Section::Tile;
                townsFound_ = false;
                towns_.clear();
                BeginTile(stream);
                if (stream.IsEmpty()) {
                    EndTile();
                    section = Section::Other;
                }
            } else if (!townsFound_ && XmlTokenMatches(stream.Name(), kTownsElement)) {
                townsFound_ = true;
                section = Section::Towns;
            }
        } else if (depth == 2 && section == Section::Tile && tile_ &&
                   XmlTokenMatches(stream.Name(), kItemElement)) {
            if (!ReadItem(stream)) {
                progress_.Update(static_cast<double>(tileBegin_));
                return false;
            }
        } else if (depth == 2 && section == Section::Towns &&
                   XmlTokenMatches(stream.Name(), kTownElement)) {
            towns_.push_back(stream.TagBegin());
        }
    }
}

void QzxReader::ReadMapAttributes(const XmlAttributes& attributes)
{
    const auto number = [&](std::string_view name) { return ReadXmlNumber(attributes.Get(name)); };
    const int width = number("width");
    const int height = number("height");
    if (width > 0) {
        document_.width = width;
    }
    if (height > 0) {
        document_.height = height;
    }
    document_.temple = {number("templex"), number("templey"), number("templez")};
    document_.SetSpawnFile(attributes.Get("spawnfile"));
    document_.SetHouseFile(attributes.Get("housefile"));
    clientIds_ = number("isclientid") == 1;
}

void QzxReader::BeginTile(const XmlElementStream& stream)
{
    tile_ = nullptr;
    tileBegin_ = stream.TagBegin();
    // One walk over the start tag for all of them: a map holds millions of tiles.
    static const XmlNameSet kNames{"x", "y", "z", "houseid", "ground", "pz"};
    const XmlAttributes attributes = AttributesOf(stream);
    std::span<std::string_view> values = tileValues_;
    if (!attributes.GetPlainViews(kNames, values)) {
        attributes.GetMany(kNames.Names(), tileAttributes_);
        std::copy(std::begin(tileAttributes_), std::end(tileAttributes_), values.begin());
    }
    const Position position{Number(values[0]), Number(values[1]), Number(values[2])};
    if (position.z < 0 || position.z >= kFloorCount || !registry_.AdmitTile(position)) {
        return;
    }
    tilePosition_ = position;
    const int houseId = Number(values[3]);
    const int ground = Number(values[4]);
    CTile* tile =
        document_.StoreTile(std::make_unique<CTile>(), position.x, position.y, position.z);
    if (houseId != 0) {
        document_.Houses().GetHouse(static_cast<uint32_t>(houseId), true)->AddTile(tile);
    }
    if (ground >= kTypeKeyOffset) {
        // A house tile is written without pz: it keeps the protection zone its house gave it.
        const std::string_view pz = values[5];
        if (houseId == 0 || !pz.empty()) {
            tile->SetProtectionZone(Number(pz) == 1);
        }
        if (std::unique_ptr<CItem> thing = CreateThing(database_, KeyOf(ground), 0)) {
            tile->AddThing(database_, std::move(thing), false);
        }
    }
    tile_ = tile;
}

bool QzxReader::ReadItem(const XmlElementStream& stream)
{
    const XmlAttributes attributes = AttributesOf(stream);
    static const XmlNameSet kId{"id"};
    std::string_view idValue;
    const int id = attributes.GetPlainViews(kId, {&idValue, 1}) ? Number(idValue)
                                                                : ReadXmlNumber(attributes.Get("id"));
    if (id < kTypeKeyOffset) {
        return FailItem(id, tilePosition_, " is below 100");
    }
    std::unique_ptr<CItem> item = CreateThing(database_, KeyOf(id), 0);
    if (!item) {
        return true;
    }
    if (!item->ReadXml(attributes, database_)) {
        return FailItem(id, tilePosition_, " has attributes that cannot be read");
    }
    registry_.Register(*item, tilePosition_);
    tile_->AddThing(database_, std::move(item), false);
    return true;
}

void QzxReader::EndTile()
{
    if (tile_) {
        if (document_.templateLoaded && tile_->GetGround()) {
            ApplyGroundTemplate(document_, *tile_);
        }
        if (tile_->GetThingCount() == 0) {
            document_.RemoveTile(tilePosition_.x, tilePosition_.y, tilePosition_.z);
        }
        tile_ = nullptr;
    }
    progress_.Update(static_cast<double>(tileBegin_));
}

void QzxReader::ReadTowns()
{
    for (const size_t tagBegin : towns_) {
        const XmlAttributes attributes(text_, tagBegin);
        const int id = ReadXmlNumber(attributes.Get("townid"));
        if (id <= 0) {
            continue;
        }
        Town* town = document_.Towns().GetTown(static_cast<uint32_t>(id), true);
        town->name = attributes.Get("name");
        town->templeX = ReadXmlNumber(attributes.Get("templex"));
        town->templeY = ReadXmlNumber(attributes.Get("templey"));
        town->templeZ = ReadXmlNumber(attributes.Get("templez"));
    }
}

}  // namespace

bool LoadQzx(CTessarkDoc& document, const std::string& path)
{
    return QzxReader(document).Read(path);
}

}  // namespace tessark
