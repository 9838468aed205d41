#include "cli/StderrMessageSink.h"

namespace tessark::cli {

namespace {

std::string_view IconPrefix(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error:
        return "error: ";
    case MessageIcon::Warning:
        return "warning: ";
    case MessageIcon::Information:
        return "info: ";
    }
    return "error: ";
}

}  // namespace

StderrMessageSink::StderrMessageSink(std::ostream& out, bool verbose) : out_(out), verbose_(verbose) {}

void StderrMessageSink::ShowMessage(std::string_view text, MessageIcon icon)
{
    out_ << FormatMessageLine(text, icon) << '\n';
    out_.flush();
}

MessageAnswer StderrMessageSink::Ask(const MessageRequest& request)
{
    out_ << FormatMessageLine(request.text, request.icon) << '\n';
    if (verbose_ && !request.detail.empty()) {
        // The detail's own line breaks would look like further messages.
        std::string line = FormatMessageLine(request.detail, request.icon);
        out_ << "detail: " << line.substr(IconPrefix(request.icon).size()) << '\n';
    }
    out_.flush();
    return MessageAnswer::Ok;
}

std::string FormatMessageLine(std::string_view text, MessageIcon icon)
{
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) {
        text.remove_suffix(1);
    }
    std::string line(IconPrefix(icon));
    line.reserve(line.size() + text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            line += ' ';
            ++i;
        } else if (text[i] == '\n') {
            line += ' ';
        } else {
            line += text[i];
        }
    }
    return line;
}

}  // namespace tessark::cli
