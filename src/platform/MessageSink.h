#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessark {

// The icon a message box would carry; it also tells how serious the message is.
enum class MessageIcon { Error, Warning, Information };

// Stands in for message boxes: the editor shows them, the command-line tool prints them,
// tests record them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(std::string_view text, MessageIcon icon) = 0;
};

// Drops every message; for callers that must stay silent.
class SilentMessageSink final : public MessageSink {
public:
    void ShowMessage(std::string_view, MessageIcon) override {}
};

// Keeps every message in order, for tests and for callers that decide later what to show.
class RecordingMessageSink final : public MessageSink {
public:
    struct Message {
        std::string text;
        MessageIcon icon;
        bool operator==(const Message&) const = default;
    };

    void ShowMessage(std::string_view text, MessageIcon icon) override
    {
        messages.push_back({std::string(text), icon});
    }

    std::vector<Message> messages;
};

}  // namespace tessark
