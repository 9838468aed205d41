#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tessark {

// Text the engine keeps byte for byte (names, descriptions, file names) as the editor shows it:
// UTF-8 where the bytes are valid UTF-8, else Latin-1, so that no byte is lost from sight.
QString ToDisplayText(std::string_view bytes);

// What the user typed, as the engine stores it (UTF-8).
std::string FromDisplayText(const QString& text);

// The original bytes when the text still shows them unchanged, else the text as UTF-8: a field
// left alone keeps bytes that are not UTF-8.
std::string FromEditedText(const std::string& original, const QString& text);

}  // namespace tessark
