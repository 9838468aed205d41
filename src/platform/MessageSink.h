#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace tessark {

// The icon a message box would carry; it also tells how serious the message is.
enum class MessageIcon { Error, Warning, Information };

// The button that closed a message box.
enum class MessageAnswer { Ok, Cancel, Choice };

// A message box with more than the text and an OK button.
struct MessageRequest {
    std::string_view text;
    MessageIcon icon = MessageIcon::Error;
    // What exactly went wrong, shown under the text; the command-line tool prints it only
    // with --verbose.
    std::string_view detail = {};
    // A button beside OK for another way on; empty: none.
    std::string_view choice = {};
    // OK and Cancel, for a question.
    bool cancel = false;
};

// Stands in for message boxes: the editor shows them, the command-line tool prints them,
// tests record them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(std::string_view text, MessageIcon icon) = 0;
    // Shows the box and tells which button closed it. A sink that knows no better shows the
    // text alone and answers OK, as the command-line tool answers questions.
    virtual MessageAnswer Ask(const MessageRequest& request)
    {
        ShowMessage(request.text, request.icon);
        return MessageAnswer::Ok;
    }
};

// Drops every message; for callers that must stay silent.
class SilentMessageSink final : public MessageSink {
public:
    void ShowMessage(std::string_view, MessageIcon) override {}
    MessageAnswer Ask(const MessageRequest&) override { return MessageAnswer::Ok; }
};

// Keeps every message in order, for tests and for callers that decide later what to show.
// Questions are answered from the queue, OK when it is empty.
class RecordingMessageSink final : public MessageSink {
public:
    struct Message {
        std::string text;
        MessageIcon icon;
        std::string detail = {};
        bool operator==(const Message&) const = default;
    };

    void ShowMessage(std::string_view text, MessageIcon icon) override
    {
        messages.push_back({std::string(text), icon});
    }
    MessageAnswer Ask(const MessageRequest& request) override
    {
        messages.push_back({std::string(request.text), request.icon, std::string(request.detail)});
        if (answers.empty()) {
            return MessageAnswer::Ok;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;
};

}  // namespace tessark
