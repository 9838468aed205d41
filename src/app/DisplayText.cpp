#include "app/DisplayText.h"

#include <QByteArray>

#include "platform/Utf8.h"

namespace tessark {

QString ToDisplayText(std::string_view bytes)
{
    const auto size = static_cast<qsizetype>(bytes.size());
    return IsValidUtf8(bytes) ? QString::fromUtf8(bytes.data(), size) : QString::fromLatin1(bytes.data(), size);
}

std::string FromDisplayText(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
}

std::string FromEditedText(const std::string& original, const QString& text)
{
    return ToDisplayText(original) == text ? original : FromDisplayText(text);
}

}  // namespace tessark
