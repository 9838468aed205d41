#include "mapfiles/MapImport.h"

#include "mapfiles/QzbmReader.h"
#include "mapfiles/TemplateLoader.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"
#include "platform/ViewHint.h"
#include "xml/XmlTextFile.h"

namespace tessark {

bool ImportMap(CTessarkDoc& document, const std::string& path)
{
    const bool read = LoadQzbm(document, path, true);
    document.UpdateAllViews({ViewHintKind::All});
    if (!read) {
        document.Messages().ShowMessage(CouldNotOpenMessage(path), MessageIcon::Error);
    }
    return read;
}

bool LoadTemplateFile(CTessarkDoc& document, const std::string& path)
{
    const bool loaded = LoadTemplate(document, path);
    document.templateLoaded = loaded ? 1 : 0;
    if (loaded) {
        document.Messages().ShowMessage(kTemplateLoadedMessage, MessageIcon::Information);
    } else {
        document.Messages().ShowMessage(CouldNotOpenMessage(path), MessageIcon::Error);
    }
    return loaded;
}

}  // namespace tessark
