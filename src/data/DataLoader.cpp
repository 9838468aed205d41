#include "data/DataLoader.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "data/GameData.h"
#include "data/ItemsFileReader.h"
#include "data/SpriteFileReader.h"
#include "platform/MessageSink.h"

namespace tessark {

namespace {
// The client data reader's code for a file it could open but not understand.
constexpr int kClientDataFormatError = 8;

// The header's item count is the highest item id; a file that ends before that record lost
// items (the data still loads, the missing ones simply have no type).
void WarnWhenClientDataIsCutShort(const ItemDatabase& items, MessageSink& messages)
{
    const int32_t lastItemKey = int32_t{items.clientItemCount} - kTypeKeyOffset;
    if (lastItemKey < 0 || items.HasClientType(lastItemKey)) {
        return;
    }
    const size_t read = items.ClientTypeCount();
    messages.ShowMessage("morva.dat is cut short: it ends before item " +
                             std::to_string(items.clientItemCount) + " (" + std::to_string(read) +
                             (read == 1 ? " record" : " records") + " read).",
                         MessageIcon::Warning);
}

}  // namespace

std::string DataDirectoryPrefix(const std::string& directory)
{
    if (!directory.empty() && directory.back() == '/') {
        return directory;
    }
    return directory + '/';
}

std::string ChooseDataDirectory(const std::string& executableDirectory, std::string_view installedRelative)
{
    const std::filesystem::path beside(executableDirectory);
    std::error_code error;
    if (std::filesystem::exists(beside / "morva.dat", error) || installedRelative.empty()) {
        return executableDirectory;
    }
    const std::filesystem::path installed = (beside / installedRelative).lexically_normal();
    if (std::filesystem::exists(installed / "morva.dat", error)) {
        return installed.string();
    }
    return executableDirectory;
}

bool LoadDataFiles(const std::string& dataDirectory, GameData& data, MessageSink& messages)
{
    const std::string prefix = DataDirectoryPrefix(dataDirectory);

    const int clientResult = data.items.LoadClientData(prefix + "morva.dat");
    if (clientResult != 0) {
        messages.ShowMessage(clientResult == kClientDataFormatError ? kInvalidClientDataMessage
                                                                    : kClientDataNotFoundMessage,
                             MessageIcon::Error);
        return false;
    }
    WarnWhenClientDataIsCutShort(data.items, messages);
    ItemsFileReader itemsReader(data.items);
    if (itemsReader.Read(prefix + "items.qzb") != 0) {
        messages.ShowMessage(kItemsNotLoadedMessage, MessageIcon::Error);
        return false;
    }
    if (itemsReader.StoppedAtClientId() != 0) {
        messages.ShowMessage("items.qzb: loading stopped at an item drawn as client id " +
                                 std::to_string(itemsReader.StoppedAtClientId()) +
                                 ", which morva.dat does not hold; the items after it are missing.",
                             MessageIcon::Warning);
    }
    // Names are a nicety: a missing items.xml leaves the types unnamed without a word, but
    // one that is there and cannot be read is worth a warning.
    const std::string namesPath = prefix + "items.xml";
    std::error_code error;
    if (!data.items.LoadItemNames(namesPath) && std::filesystem::exists(namesPath, error)) {
        messages.ShowMessage(kUnreadableItemNamesMessage, MessageIcon::Warning);
    }

    if (!data.materials.LoadMaterials(prefix + "materials.xml", data.items, messages)) {
        messages.ShowMessage(kMaterialsNotLoadedMessage, MessageIcon::Warning);
        if (!data.materials.LoadDefaultMaterials(data.items)) {
            return false;
        }
    }
    // The creature reader shows its own messages; without creatures the editor still works.
    data.materials.LoadCreatures(prefix + "creatures.xml", data.items, messages);

    SpriteFileReader sprites(data.items);
    if (!sprites.Read(prefix + "morva.spr")) {
        messages.ShowMessage(kSpritesNotLoadedMessage, MessageIcon::Error);
        return false;
    }
    if (sprites.UnreadableSprites() > 0) {
        messages.ShowMessage("morva.spr is damaged: " + std::to_string(sprites.UnreadableSprites()) +
                                 " sprites could not be read.",
                             MessageIcon::Warning);
    }
    return true;
}

}  // namespace tessark
