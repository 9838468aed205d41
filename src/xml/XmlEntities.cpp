#include "xml/XmlEntities.h"

#include <array>

namespace tessark {

namespace {

struct Entity {
    std::string_view name;  // without the '&'
    char character;
};

constexpr std::array<Entity, 5> kEntities{{
    {"lt;", '<'}, {"amp;", '&'}, {"gt;", '>'}, {"apos;", '\''}, {"quot;", '"'},
}};

}  // namespace

std::string EncodeXmlEntities(std::string_view value)
{
    std::string encoded;
    encoded.reserve(value.size());
    for (char c : value) {
        switch (c) {
        case '<': encoded += "&lt;"; break;
        case '&': encoded += "&amp;"; break;
        case '>': encoded += "&gt;"; break;
        case '\'': encoded += "&apos;"; break;
        case '"': encoded += "&quot;"; break;
        default: encoded += c; break;
        }
    }
    return encoded;
}

std::string DecodeXmlEntities(std::string_view value)
{
    if (value.find('&') == std::string_view::npos) {
        return std::string(value);
    }
    std::string decoded;
    decoded.reserve(value.size());
    size_t at = 0;
    while (at < value.size()) {
        const char c = value[at];
        bool replaced = false;
        if (c == '&') {
            const std::string_view rest = value.substr(at + 1);
            for (const Entity& entity : kEntities) {
                if (rest.starts_with(entity.name)) {
                    decoded += entity.character;
                    at += 1 + entity.name.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) {
            decoded += c;
            ++at;
        }
    }
    return decoded;
}

}  // namespace tessark
