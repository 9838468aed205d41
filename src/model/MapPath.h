#pragma once

#include <string>
#include <string_view>

namespace tessark {

// The path up to and including its last directory separator ('/' or '\'); "" when it has none.
std::string DirectoryPart(std::string_view path);
// The text after the last directory separator.
std::string FileNamePart(std::string_view path);
// The text from the last '.' of the path to its end; "" when there is none.
std::string ExtensionPart(std::string_view path);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace tessark
