#include "data/DataLoader.h"

#include <filesystem>
#include <system_error>

#include "data/GameData.h"
#include "data/SpriteFileReader.h"
#include "platform/MessageSink.h"

namespace tessark {

namespace {
// The client data reader's code for a file it could open but not understand.
constexpr int kClientDataFormatError = 8;
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
    if (data.items.LoadItems(prefix + "items.qzb") != 0) {
        messages.ShowMessage(kItemsNotLoadedMessage, MessageIcon::Error);
        return false;
    }
    // Names are a nicety: a missing or broken items.xml leaves the types unnamed.
    data.items.LoadItemNames(prefix + "items.xml");

    if (!data.materials.LoadMaterials(prefix + "materials.xml", data.items, messages)) {
        messages.ShowMessage(kMaterialsNotLoadedMessage, MessageIcon::Warning);
        if (!data.materials.LoadDefaultMaterials(data.items)) {
            return false;
        }
    }
    // The creature reader shows its own messages; without creatures the editor still works.
    data.materials.LoadCreatures(prefix + "creatures.xml", data.items, messages);

    if (!SpriteFileReader(data.items).Read(prefix + "morva.spr")) {
        messages.ShowMessage(kSpritesNotLoadedMessage, MessageIcon::Error);
        return false;
    }
    return true;
}

}  // namespace tessark
