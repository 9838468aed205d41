#include "model/MapPath.h"

#include <algorithm>

namespace tessark {

namespace {

size_t AfterLastSeparator(std::string_view path)
{
    const size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string DirectoryPart(std::string_view path)
{
    return std::string(path.substr(0, AfterLastSeparator(path)));
}

std::string FileNamePart(std::string_view path)
{
    return std::string(path.substr(AfterLastSeparator(path)));
}

std::string ExtensionPart(std::string_view path)
{
    const size_t dot = path.find_last_of('.');
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

}  // namespace tessark
