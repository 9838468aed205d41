#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/MessageSink.h"

namespace tessark {
class CTessarkDoc;
struct GameData;
}  // namespace tessark

namespace tessark::cli {

// Passes messages on, or holds them back until Release, so that a command can print what a
// failed open left in the document before the open's error message.
class HoldingMessageSink final : public MessageSink {
public:
    explicit HoldingMessageSink(MessageSink& target) : target_(target) {}
    void ShowMessage(std::string_view text, MessageIcon icon) override;
    MessageAnswer Ask(const MessageRequest& request) override;
    void Hold() { holding_ = true; }
    // Passes on what was held, in order, and stops holding.
    void Release();

private:
    MessageSink& target_;
    bool holding_ = false;
    RecordingMessageSink held_;
};

// The editor's document as the tool uses it: the game data's item database, the map formats,
// and the tool's messages.
class CliMapDocument {
public:
    CliMapDocument(GameData& data, MessageSink& messages);
    ~CliMapDocument();

    CTessarkDoc& Document() { return *document_; }
    // Reads the map as the editor's Open does (reader by extension, side files) into the
    // document, where what was read stays even when the read failed. True when the map was
    // read; the messages of the open are held back until ReleaseMessages.
    bool Open(const std::string& path);
    void ReleaseMessages() { messages_.Release(); }

private:
    HoldingMessageSink messages_;
    std::unique_ptr<CTessarkDoc> document_;
};

}  // namespace tessark::cli
