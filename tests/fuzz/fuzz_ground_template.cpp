// A ground template and a QZX map from one input (FuzzInputParts.h: the template's QZBM bytes,
// then the map's text), with the sample data kit: "Load template..." then Open. A template
// that fails to load keeps the one in force; a map read through a template saves and reads back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzInputParts.h"
#include "FuzzKit.h"
#include "mapfiles/MapFormats.h"
#include "mapfiles/MapImport.h"
#include "mapfiles/QzxReader.h"
#include "mapfiles/QzxWriter.h"
#include "mapfiles/TemplateLoader.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    tessark::fuzz::KitData();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tessark;
    GameData& game = fuzz::KitData();
    const auto parts = fuzz::SplitParts(data, size);
    const std::string folder = fuzz::ScratchFolder();
    const std::string templ = folder + "/template.qzbm";
    const std::string map = folder + "/templated.qzx";
    fuzz::WriteInput(templ, reinterpret_cast<const uint8_t*>(parts[0].data()), parts[0].size());
    const std::string_view text = parts.size() > 1 ? parts[1] : std::string_view();
    fuzz::WriteInput(map, reinterpret_cast<const uint8_t*>(text.data()), text.size());

    SilentMessageSink messages;
    CTessarkDoc document(game.items, messages);
    RegisterMapFormats(document);
    // A template in force before, which a failed load must keep.
    document.groundTemplate[0] = {1};
    document.templateLoaded = 1;
    const auto before = document.groundTemplate;
    if (!LoadTemplateFile(document, templ) && (document.groundTemplate != before || !document.templateLoaded)) {
        std::abort();
    }
    if (!LoadQzx(document, map)) {
        return 0;
    }
    const std::string saved = folder + "/templated-saved.qzx";
    CTessarkDoc again(game.items, messages);
    if (!SaveQzx(document, saved) || !LoadQzx(again, saved)) {
        std::abort();
    }
    return 0;
}
