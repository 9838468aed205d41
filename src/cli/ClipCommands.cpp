#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "cli/CliMapDocument.h"
#include "cli/MapCommands.h"
#include "edit/EditCommandIds.h"
#include "edit/ToolController.h"
#include "model/TessarkDoc.h"
#include "model/TileKey.h"
#include "platform/AtomicFileWriter.h"
#include "platform/FileBytes.h"
#include "platform/MessageSink.h"

namespace tessark::cli {

namespace {

constexpr const char* kCopyUsage =
    "copy MAP --area X,Y,W,H [--floor Z | --floors Z1-Z2] -o CLIP.bin | copy MAP --thing X,Y,Z,N -o CLIP.bin";
constexpr const char* kPasteUsage = "paste MAP CLIP.bin --at X,Y,Z -o OUT [--thing]";

// Integers separated by sep, exactly count of them.
std::optional<std::vector<int64_t>> ParseList(const std::string& text, char sep, size_t count)
{
    std::vector<int64_t> values;
    size_t start = 0;
    for (;;) {
        const size_t end = std::min(text.find(sep, start), text.size());
        int64_t value = 0;
        const char* first = text.data() + start;
        const char* last = text.data() + end;
        const auto result = std::from_chars(first, last, value);
        if (result.ec != std::errc() || result.ptr != last) {
            return std::nullopt;
        }
        values.push_back(value);
        if (end == text.size()) {
            break;
        }
        start = end + 1;
    }
    if (values.size() != count) {
        return std::nullopt;
    }
    return values;
}

bool InInt32(int64_t value) { return value >= INT32_MIN && value <= INT32_MAX; }

struct CopyArguments {
    std::string map;
    std::string output;
    std::optional<std::vector<int64_t>> area;
    std::optional<std::vector<int64_t>> thing;
    int firstFloor = 7;
    int lastFloor = 7;
};

std::optional<CopyArguments> ParseCopy(const std::vector<std::string>& args)
{
    CopyArguments parsed;
    std::vector<std::string> positional;
    bool floorGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "-o" && hasValue) {
            parsed.output = args[++i];
        } else if (arg == "--area" && hasValue) {
            parsed.area = ParseList(args[++i], ',', 4);
            if (!parsed.area || (*parsed.area)[2] <= 0 || (*parsed.area)[3] <= 0 ||
                !InInt32((*parsed.area)[0]) || !InInt32((*parsed.area)[1])) {
                return std::nullopt;
            }
        } else if (arg == "--thing" && hasValue) {
            parsed.thing = ParseList(args[++i], ',', 4);
            if (!parsed.thing) {
                return std::nullopt;
            }
        } else if ((arg == "--floor" || arg == "--floors") && hasValue && !floorGiven) {
            floorGiven = true;
            const auto floors = ParseList(args[++i], '-', arg == "--floor" ? 1 : 2);
            if (!floors || floors->front() < 0 || floors->back() > 15 || floors->front() > floors->back()) {
                return std::nullopt;
            }
            parsed.firstFloor = static_cast<int>(floors->front());
            parsed.lastFloor = static_cast<int>(floors->back());
        } else if (arg.starts_with("-")) {
            return std::nullopt;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 1 || parsed.output.empty() || parsed.area.has_value() == parsed.thing.has_value() ||
        (parsed.thing && floorGiven)) {
        return std::nullopt;
    }
    parsed.map = positional[0];
    return parsed;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes, MessageSink& messages)
{
    AtomicFileWriter writer(path);
    if (!writer.Open() || !writer.Write(bytes.data(), bytes.size()) || !writer.Commit()) {
        messages.ShowMessage("Could not write " + path + ".", MessageIcon::Error);
        return false;
    }
    return true;
}

// Selects as the selection tool's rectangle does, floors from first to last. Only tiles that
// exist can be selected: walking them rather than every position keeps an area as large as
// the map (65536 x 65536 positions a floor) quick.
void SelectArea(ToolController& controller, const CopyArguments& args)
{
    ToolContext& context = controller.Context();
    const std::vector<int64_t>& area = *args.area;
    const int64_t right = std::min<int64_t>(area[0] + area[2], INT32_MAX);
    const int64_t bottom = std::min<int64_t>(area[1] + area[3], INT32_MAX);
    std::vector<Position> found;
    for (int z = args.firstFloor; z <= args.lastFloor; ++z) {
        context.Document().Tiles().ForEachTile(z, [&](uint32_t key, const CTile&) {
            int32_t x = 0;
            int32_t y = 0;
            SplitTileKey(key, x, y);
            if (x >= area[0] && x < right && y >= area[1] && y < bottom) {
                found.push_back({x, y, z});
            }
        });
    }
    // The rectangle's order: row by row, each column from the top floor down.
    std::sort(found.begin(), found.end(), [](const Position& a, const Position& b) {
        return std::tie(a.y, a.x, b.z) < std::tie(b.y, b.x, a.z);
    });
    for (const Position& position : found) {
        context.GetSelection().Add(context.Document(), position);
    }
}

// Chooses thing n of the tile with the select tool; false when there is none.
bool ChooseThing(ToolController& controller, const std::vector<int64_t>& where)
{
    ToolContext& context = controller.Context();
    if (!InInt32(where[0]) || !InInt32(where[1]) || !InInt32(where[2]) || where[3] < 0) {
        return false;
    }
    const Position position{static_cast<int32_t>(where[0]), static_cast<int32_t>(where[1]),
                            static_cast<int32_t>(where[2])};
    const CTile* tile = context.Document().GetTile(position);
    if (!tile || static_cast<uint64_t>(where[3]) >= tile->GetThingCount()) {
        return false;
    }
    ToolOutcome ignored;
    context.SetSelectedThing({tile->GetThing(static_cast<size_t>(where[3])), position}, ignored);
    return true;
}

}  // namespace

int RunCopy(const CliContext& context)
{
    const std::optional<CopyArguments> args = ParseCopy(context.args);
    if (!args) {
        std::cerr << "tessark-cli: usage: " << kCopyUsage << '\n';
        return kExitUsage;
    }
    CliMapDocument map(*context.data, *context.messages);
    const bool read = map.Open(args->map);
    map.ReleaseMessages();
    if (!read) {
        return kExitMapFailed;
    }
    ToolController controller(map.Document());
    EditCommands& commands = controller.Commands();
    if (args->area) {
        commands.Run(GetToolInfo(ToolKind::Selection).commandId);
        SelectArea(controller, *args);
    } else {
        commands.Run(GetToolInfo(ToolKind::Select).commandId);
        if (!ChooseThing(controller, *args->thing)) {
            context.messages->ShowMessage("No such thing.", MessageIcon::Error);
            return kExitMapFailed;
        }
    }
    const ToolOutcome copied = commands.Run(command::kCopy);
    if (!copied.clipboard) {
        context.messages->ShowMessage("Nothing is selected.", MessageIcon::Error);
        return kExitMapFailed;
    }
    return WriteBytes(args->output, copied.clipboard->bytes, *context.messages) ? kExitOk : kExitMapFailed;
}

int RunPaste(const CliContext& context)
{
    std::vector<std::string> positional;
    std::string output;
    std::optional<std::vector<int64_t>> at;
    bool thing = false;
    const std::vector<std::string>& args = context.args;
    bool usage = false;
    for (size_t i = 0; i < args.size() && !usage; ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "-o" && hasValue) {
            output = args[++i];
        } else if (args[i] == "--at" && hasValue) {
            at = ParseList(args[++i], ',', 3);
            usage = !at || !InInt32((*at)[0]) || !InInt32((*at)[1]) || !InInt32((*at)[2]);
        } else if (args[i] == "--thing") {
            thing = true;
        } else if (args[i].starts_with("-")) {
            usage = true;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (usage || positional.size() != 2 || output.empty() || !at) {
        std::cerr << "tessark-cli: usage: " << kPasteUsage << '\n';
        return kExitUsage;
    }
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(positional[1], bytes)) {
        context.messages->ShowMessage("Could not read " + positional[1] + ".", MessageIcon::Error);
        return kExitMapFailed;
    }
    CliMapDocument map(*context.data, *context.messages);
    CTessarkDoc& document = map.Document();
    const bool read = map.Open(positional[0]);
    map.ReleaseMessages();
    if (!read) {
        return kExitMapFailed;
    }
    ToolController controller(document);
    EditCommands& commands = controller.Commands();
    commands.Run(GetToolInfo(thing ? ToolKind::Select : ToolKind::Selection).commandId);
    const Position cursor{static_cast<int32_t>((*at)[0]), static_cast<int32_t>((*at)[1]),
                          static_cast<int32_t>((*at)[2])};
    controller.MouseMove(cursor, false, {});
    commands.SetClipboardOffers({.tile = !thing, .thing = thing});
    if (!commands.IsEnabled(command::kPaste)) {
        context.messages->ShowMessage("The cursor tile lies outside the map; nothing was pasted.",
                                      MessageIcon::Error);
        return kExitMapFailed;
    }
    // A bad block shows its message and changes nothing; nothing is written then.
    ClipboardContents contents;
    (thing ? contents.thing : contents.tile) = std::move(bytes);
    if (commands.Paste(contents).failed) {
        return kExitMapFailed;
    }
    const SaveResult saved =
        document.DoSave({}, true, [&](const std::string&) { return std::optional<std::string>(output); });
    if (saved != SaveResult::Saved) {
        context.messages->Ask({"Could not save " + output + ".", MessageIcon::Error, document.errorDetail});
        return kExitMapFailed;
    }
    return kExitOk;
}

}  // namespace tessark::cli
