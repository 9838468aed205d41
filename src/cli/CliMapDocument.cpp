#include "cli/CliMapDocument.h"

#include "data/GameData.h"
#include "mapfiles/MapFormats.h"
#include "model/TessarkDoc.h"

namespace tessark::cli {

void HoldingMessageSink::ShowMessage(std::string_view text, MessageIcon icon)
{
    if (holding_) {
        held_.ShowMessage(text, icon);
    } else {
        target_.ShowMessage(text, icon);
    }
}

MessageAnswer HoldingMessageSink::Ask(const MessageRequest& request)
{
    return holding_ ? held_.Ask(request) : target_.Ask(request);
}

void HoldingMessageSink::Release()
{
    holding_ = false;
    for (const auto& message : held_.messages) {
        target_.Ask({message.text, message.icon, message.detail});
    }
    held_.messages.clear();
}

CliMapDocument::CliMapDocument(GameData& data, MessageSink& messages)
    : messages_(messages), document_(std::make_unique<CTessarkDoc>(data.items, messages_))
{
    RegisterMapFormats(*document_);
}

CliMapDocument::~CliMapDocument() = default;

bool CliMapDocument::Open(const std::string& path)
{
    messages_.Hold();
    const bool read = document_->ReadMapFile(path);
    if (!read) {
        document_->ReportLoadError(path);
    }
    return read;
}

}  // namespace tessark::cli
