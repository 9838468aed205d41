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
#include "model/PlainGroundCache.h"
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
inline int Number(std::string_view text)
{
    int value = 0;
    return text.empty() || ReadPlainXmlNumber(text, value) ? value : ReadXmlNumber(text);
}

// The values of a tile's attributes x, y, z, houseid, ground and pz, for a tag that has no other
// attributes and those in the writers' order (x y z houseid pz ground), each at most once: then
// matching by position gives what matching by name gives, for far less work. False otherwise.
bool InWriterOrder(const XmlPlainTag& tag, std::span<std::string_view> values)
{
    size_t a = 0;
    // Inline with the name known: a few instructions per name.
    const auto take = [&](std::string_view name, size_t slot) {
        const std::string_view attribute = a < tag.count ? tag.attributes[a].name : std::string_view();
        if (attribute.size() == name.size() && std::equal(name.begin(), name.end(), attribute.begin())) {
            values[slot] = tag.attributes[a++].value;
        } else {
            values[slot] = {};
        }
    };
    take("x", 0);
    take("y", 1);
    take("z", 2);
    take("houseid", 3);
    take("pz", 5);
    take("ground", 4);
    return a == tag.count;
}

// Reads the tiles straight from the text as the element walk reaches them, never building an
// element table: a map's text is hundreds of MB. A syntax error anywhere in the document undoes
// what was read and shows the parse error, as a parse before reading would have.
class QzxReader {
public:
    QzxReader(CTessarkDoc& document, size_t windowSize)
        : document_(document), database_(document.Database()), registry_(document),
          progress_(document.Progress(), 0), window_(windowSize)
    {
    }

    bool Read(const std::string& path);

private:
    // What the element at depth 1 (a child of the map element) is.
    enum class Section { Other, Tile, Towns };
    // A town element's values, read as the walk passes it.
    struct TownRecord {
        int id = 0;
        std::string name;
        Position temple{};
    };
    // How the walk over the whole document went.
    struct Walk {
        bool read = false;        // the map element was read without a failed item
        bool touched = false;     // the document was changed
        bool noMap = false;       // the root element is not a map
        bool parsed = false;      // no syntax error
        std::string parseError;
    };

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
    static XmlAttributes AttributesOf(const XmlElementStream& stream)
    {
        const XmlPlainTag* plain = stream.PlainTag();
        return plain ? XmlAttributes(stream.Text(), stream.TagBegin(), *plain)
                     : XmlAttributes(stream.Text(), stream.TagBegin(), stream.TagEnd());
    }
    Walk WalkDocument();
    // Walks to the end of the document; false (and the error kept) on a syntax error.
    static bool FinishWalk(XmlElementStream& stream, Walk& walk);
    // Puts back what the walk changed.
    void Restore();

    bool ReadMap(XmlElementStream& stream);
    void ReadMapAttributes(const XmlAttributes& attributes);
    void BeginTile(const XmlElementStream& stream);
    bool ReadItem(const XmlElementStream& stream);
    void EndTile();
    void ReadTown(const XmlElementStream& stream);
    void ReadTowns();

    CTessarkDoc& document_;
    ItemDatabase& database_;
    MapReadRegistry registry_;
    ProgressMeter progress_;
    XmlTextWindow window_;
    std::string path_;
    // What a failure found after the walk changed the document must put back.
    int width_ = 0;
    int height_ = 0;
    Position temple_{};
    std::string mapDirectory_;
    std::string spawnFile_;
    std::string houseFile_;
    bool wasModified_ = false;
    bool clientIds_ = false;
    PlainGroundCache plainGrounds_{database_};
    std::string tileAttributes_[6];
    // A member: a fresh array per tile costs a block fill each time.
    std::string_view tileValues_[6];
    // The tile being read (null for a tile left out), where it starts and stands.
    CTile* tile_ = nullptr;
    size_t tileBegin_ = 0;
    Position tilePosition_{};
    // The first towns element after the last tile, and its town elements.
    bool townsFound_ = false;
    std::vector<TownRecord> towns_;
};

bool QzxReader::Read(const std::string& path)
{
    const XmlReadResult opened = window_.Open(path);
    if (opened != XmlReadResult::Ok) {
        return Fail(LoadErrorKind::Generic, opened == XmlReadResult::BinaryData ? "the file holds binary data"
                                                                                : "the file cannot be read");
    }
    path_ = path;
    width_ = document_.width;
    height_ = document_.height;
    temple_ = document_.temple;
    mapDirectory_ = document_.mapDirectory;
    spawnFile_ = document_.GetSpawnFile();
    houseFile_ = document_.GetHouseFile();
    wasModified_ = document_.IsModified();
    const Walk walk = WalkDocument();
    // Only the whole file tells whether it is text at all: that verdict comes first, as when
    // the file was read before its text was parsed.
    const XmlReadResult ended = window_.Finish();
    if (ended != XmlReadResult::Ok) {
        if (walk.touched) {
            Restore();
        }
        return Fail(LoadErrorKind::Generic, ended == XmlReadResult::BinaryData ? "the file holds binary data"
                                                                               : "the file cannot be read");
    }
    const size_t length = window_.TextLength();
    if (length == 0 || length > kMaxXmlDocumentLength || !walk.parsed) {
        if (walk.touched) {
            Restore();
        }
        if (length == 0) {
            return FailParse({});
        }
        return FailParse(length > kMaxXmlDocumentLength ? kXmlDocumentTooLarge : walk.parseError);
    }
    if (walk.noMap) {
        return Fail(LoadErrorKind::Header, "the file has no map element");
    }
    if (!walk.read) {
        return false;
    }
    registry_.ReportTilesLeftOut();
    ReadTowns();
    document_.errorKind = 0;
    document_.errorCode = 0;
    document_.errorDetail.clear();
    return true;
}

QzxReader::Walk QzxReader::WalkDocument()
{
    Walk walk;
    XmlElementStream stream(window_);
    if (stream.Next() == XmlElementStream::Step::Failed) {
        walk.parseError = stream.Error();
        return walk;
    }
    if (!XmlTokenMatches(stream.Name(), kMapElement)) {
        walk.noMap = true;
        FinishWalk(stream, walk);
        return walk;
    }
    walk.touched = true;
    walk.read = ReadMap(stream);
    // Removing an empty tile counts as an edit; reading a map is none.
    document_.SetModifiedFlag(wasModified_);
    FinishWalk(stream, walk);
    return walk;
}

void QzxReader::Restore()
{
    document_.DeleteContents();
    document_.width = width_;
    document_.height = height_;
    document_.temple = temple_;
    document_.mapDirectory = mapDirectory_;
    document_.SetSpawnFile(spawnFile_);
    document_.SetHouseFile(houseFile_);
    document_.SetModifiedFlag(wasModified_);
}

bool QzxReader::FailParse(const std::string& error)
{
    const std::string message = "Error: " + error + "\r\n";
    document_.Messages().Ask({message, MessageIcon::Error, FileNamePart(path_)});
    // The message said it; the open shows no second one.
    return Fail(LoadErrorKind::None);
}

bool QzxReader::FinishWalk(XmlElementStream& stream, Walk& walk)
{
    for (;;) {
        switch (stream.Next()) {
        case XmlElementStream::Step::Done:
            walk.parsed = true;
            return true;
        case XmlElementStream::Step::Failed:
            walk.parseError = stream.Error();
            return false;
        default:
            break;
        }
    }
}

// From the map element's start on; false when an item fails. Stops at the map's end or at a
// syntax error, which the caller's walk then meets.
bool QzxReader::ReadMap(XmlElementStream& stream)
{
    progress_.SetTotal(static_cast<double>(window_.SizeHint()));
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
            ReadTown(stream);
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
    tileBegin_ = stream.Offset() + stream.TagBegin();
    // One walk over the start tag for all of them: a map holds millions of tiles.
    static const XmlNameSet kNames{"x", "y", "z", "houseid", "ground", "pz"};
    std::span<std::string_view> values = tileValues_;
    const XmlPlainTag* plain = stream.PlainTag();
    if (plain == nullptr || !InWriterOrder(*plain, values)) {
        const XmlAttributes attributes = AttributesOf(stream);
        if (!attributes.GetPlainViews(kNames, values)) {
            attributes.GetMany(kNames.Names(), tileAttributes_);
            std::copy(std::begin(tileAttributes_), std::end(tileAttributes_), values.begin());
        }
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
        const int32_t key = KeyOf(ground);
        if (plainGrounds_.IsPlainGround(key)) {
            // The common case: made in the fresh tile, without an allocation.
            tile->EmplaceGround(database_, key, 0);
        } else if (std::unique_ptr<CItem> thing = CreateThing(database_, key, 0)) {
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

void QzxReader::ReadTown(const XmlElementStream& stream)
{
    const XmlAttributes attributes = AttributesOf(stream);
    const int id = ReadXmlNumber(attributes.Get("townid"));
    if (id > 0) {
        towns_.push_back({id, attributes.Get("name"),
                          {ReadXmlNumber(attributes.Get("templex")), ReadXmlNumber(attributes.Get("templey")),
                           ReadXmlNumber(attributes.Get("templez"))}});
    }
}

void QzxReader::ReadTowns()
{
    for (const TownRecord& record : towns_) {
        Town* town = document_.Towns().GetTown(static_cast<uint32_t>(record.id), true);
        town->name = record.name;
        town->templeX = record.temple.x;
        town->templeY = record.temple.y;
        town->templeZ = record.temple.z;
    }
}

}  // namespace

bool LoadQzx(CTessarkDoc& document, const std::string& path, size_t windowSize)
{
    return QzxReader(document, windowSize).Read(path);
}

}  // namespace tessark
