#include "model/LoadError.h"

namespace tessark {

std::string LoadErrorMessage(int32_t kind, int32_t code)
{
    if (kind == 0) {
        return {};
    }
    std::string message = "Could not open the file.\n";
    const std::string number = std::to_string(code);
    switch (static_cast<LoadErrorKind>(kind)) {
    case LoadErrorKind::Generic:
        message += "Code: " + number;
        break;
    case LoadErrorKind::StreamProperties:
        message += "Failed to read stream properties. Code: " + number;
        break;
    case LoadErrorKind::Header:
        message += "Failed to read header. Code: " + number;
        break;
    case LoadErrorKind::UnknownAttribute:
        message += "Unknown attribute. Code: " + number;
        break;
    case LoadErrorKind::CreateObject:
        message += "Failed to create an object. Code: " + number;
        break;
    case LoadErrorKind::UnserializeObject:
        message += "Failed to unserialize an object. Code: " + number;
        break;
    default:
        break;
    }
    return message;
}

}  // namespace tessark
