#pragma once

#include <string>

namespace tessark {

enum class XmlReadResult { Ok, CannotOpen, BinaryData };

struct XmlTextFile {
    XmlReadResult result = XmlReadResult::CannotOpen;
    std::string text;
};

// Reads a whole file as document text: UTF-16 LE with a byte-order mark is converted to UTF-8,
// other bytes are taken up to the first zero byte; text far shorter than the file is rejected
// as binary data.
XmlTextFile ReadXmlTextFile(const std::string& path);

// Writes the text byte for byte; the previous file stays intact when writing fails.
bool WriteXmlTextFile(const std::string& path, const std::string& text);

// The file name with its directory ('/' or '\\') stripped.
std::string FileNameOf(const std::string& path);

// "Could not to open %s." with the file name stripped of its directory ('/' or '\').
std::string CouldNotOpenMessage(const std::string& path);

inline constexpr const char* kBinaryDataMessage =
    "Error converting file to string (may contain binary data)";

}  // namespace tessark
