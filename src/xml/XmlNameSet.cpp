#include "xml/XmlNameSet.h"

namespace tessark {

namespace {

bool IsPlainNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

XmlNameSet::XmlNameSet(std::initializer_list<std::string_view> names)
{
    for (const std::string_view name : names) {
        if (count_ == kMaxNames) {
            break;
        }
        size_t plain = 0;
        while (plain < name.size() && IsPlainNameCharacter(name[plain])) {
            ++plain;
        }
        const bool matchable = plain > 0 && (plain == name.size() || name[plain] == ' ' || name[plain] == '=' ||
                                             name[plain] == '/' || name[plain] == '[');
        names_[count_] = name;
        if (matchable) {
            keys_[count_] = name.substr(0, plain);
            byFirst_[static_cast<unsigned char>(name[0])] |= static_cast<uint16_t>(1u << count_);
        }
        ++count_;
    }
}

}  // namespace tessark
