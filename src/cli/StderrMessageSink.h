#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "platform/MessageSink.h"

namespace tessark::cli {

// The command-line tool's message boxes: one line per message on standard error,
// "error: TEXT", "warning: TEXT" or "info: TEXT"; when verbose, a message's detail follows on a
// line "detail: DETAIL". Questions are answered OK.
class StderrMessageSink final : public MessageSink {
public:
    explicit StderrMessageSink(std::ostream& out, bool verbose = false);
    void ShowMessage(std::string_view text, MessageIcon icon) override;
    MessageAnswer Ask(const MessageRequest& request) override;

private:
    std::ostream& out_;
    bool verbose_;
};

// The line for one message, without its line end: trailing CR and LF removed, every inner
// CR LF or LF turned into one space.
std::string FormatMessageLine(std::string_view text, MessageIcon icon);

}  // namespace tessark::cli
