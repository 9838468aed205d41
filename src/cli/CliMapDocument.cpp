#include "cli/CliMapDocument.h"

#include "data/GameData.h"
#include "mapfiles/MapFormats.h"
#include "model/MapFormat.h"
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

void HoldingMessageSink::Release()
{
    holding_ = false;
    for (const auto& message : held_.messages) {
        target_.ShowMessage(message.text, message.icon);
    }
    held_.messages.clear();
}

// Wraps a map format to learn whether the document's Open read the map: the document keeps
// the map open either way.
class CliMapDocument::ReadResultFormat final : public MapFormat {
public:
    ReadResultFormat(std::unique_ptr<MapFormat> format, bool& result)
        : format_(std::move(format)), result_(result)
    {
    }
    std::string_view Extension() const override { return format_->Extension(); }
    bool Load(CTessarkDoc& document, const std::string& path) override
    {
        result_ = format_->Load(document, path);
        return result_;
    }
    bool Save(CTessarkDoc& document, const std::string& path) override
    {
        return format_->Save(document, path);
    }

private:
    std::unique_ptr<MapFormat> format_;
    bool& result_;
};

CliMapDocument::CliMapDocument(GameData& data, MessageSink& messages)
    : messages_(messages), document_(std::make_unique<CTessarkDoc>(data.items, messages_))
{
    document_->RegisterMapFormat(
        std::make_unique<ReadResultFormat>(MakeQzbmFormat(), lastReadSucceeded_));
    document_->RegisterMapFormat(
        std::make_unique<ReadResultFormat>(MakeQzxFormat(), lastReadSucceeded_));
}

CliMapDocument::~CliMapDocument() = default;

bool CliMapDocument::Open(const std::string& path)
{
    messages_.Hold();
    // A file of no map kind is never handed to a format and counts as not read.
    lastReadSucceeded_ = false;
    document_->OpenDocument(path);
    return lastReadSucceeded_;
}

}  // namespace tessark::cli
