#pragma once

#include <ostream>

#include "platform/MessageSink.h"

namespace tessark {

// Recorded messages as test failures show them.
inline void PrintTo(const RecordingMessageSink::Message& message, std::ostream* out)
{
    *out << '{' << static_cast<int>(message.icon) << ", \"" << message.text << "\", \"" << message.detail << "\"}";
}

}  // namespace tessark
