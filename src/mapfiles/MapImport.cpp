#include "mapfiles/MapImport.h"

#include "mapfiles/QzbmReader.h"
#include "mapfiles/TemplateLoader.h"
#include "model/EditStep.h"
#include "model/TessarkDoc.h"
#include "platform/MessageSink.h"
#include "platform/ViewHint.h"
#include "xml/XmlTextFile.h"

namespace tessark {

namespace {

// A document for reading a file on trial: the same game data, messages held back.
struct TrialRead {
    explicit TrialRead(const CTessarkDoc& document) : staging(document.Database(), messages) {}

    void ShowMessagesAndErrorIn(CTessarkDoc& document) const
    {
        for (const auto& message : messages.messages) {
            document.Messages().Ask({message.text, message.icon, message.detail});
        }
        document.errorKind = staging.errorKind;
        document.errorCode = staging.errorCode;
        document.errorDetail = staging.errorDetail;
    }
    void ShowFailure(CTessarkDoc& document, const std::string& path) const
    {
        document.Messages().Ask({CouldNotOpenMessage(path), MessageIcon::Error, staging.errorDetail});
    }

    RecordingMessageSink messages;
    CTessarkDoc staging;
};

}  // namespace

bool ImportMap(CTessarkDoc& document, const std::string& path)
{
    // The file is read twice: the first read is the first half of the progress.
    const CTessarkDoc::ProgressListener progress = document.Progress();
    const auto half = [&progress](int offset) -> CTessarkDoc::ProgressListener {
        if (!progress) {
            return {};
        }
        return [&progress, offset](int percent) { progress(offset + percent / 2); };
    };
    TrialRead trial(document);
    trial.staging.SetProgressListener(half(0));
    if (!LoadQzbm(trial.staging, path, false)) {
        trial.ShowMessagesAndErrorIn(document);
        trial.ShowFailure(document, path);
        return false;
    }
    // The file read whole: merged now for real, with its messages shown this time. Should it
    // have changed in between and fail after all, the message still comes.
    document.SetProgressListener(half(50));
    bool read = false;
    {
        EditStep step(document, "Import");
        read = LoadQzbm(document, path, true);
    }
    document.SetProgressListener(progress);
    document.UpdateAllViews({ViewHintKind::All});
    if (!read) {
        document.Messages().Ask({CouldNotOpenMessage(path), MessageIcon::Error, document.errorDetail});
    }
    return read;
}

bool LoadTemplateFile(CTessarkDoc& document, const std::string& path)
{
    TrialRead trial(document);
    const bool loaded = LoadTemplate(trial.staging, path);
    trial.ShowMessagesAndErrorIn(document);
    if (!loaded) {
        trial.ShowFailure(document, path);
        return false;
    }
    {
        EditStep step(document, "Load Template");
        document.groundTemplate = std::move(trial.staging.groundTemplate);
        document.templateLoaded = 1;
    }
    document.Messages().ShowMessage(kTemplateLoadedMessage, MessageIcon::Information);
    return true;
}

}  // namespace tessark
