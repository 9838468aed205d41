#pragma once

// Splits one fuzz input into several files at a marker line, so that one input can stand for a
// whole data set or a map with its template. A marker that the mutator breaks simply joins two
// parts; parts that are not there are files that are missing.

#include <cstdint>
#include <string_view>
#include <vector>

namespace tessark::fuzz {

inline constexpr std::string_view kPartMarker = "\n#--part--#\n";

inline std::vector<std::string_view> SplitParts(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        const size_t marker = input.find(kPartMarker, start);
        if (marker == std::string_view::npos) {
            parts.push_back(input.substr(start));
            return parts;
        }
        parts.push_back(input.substr(start, marker - start));
        start = marker + kPartMarker.size();
    }
}

}  // namespace tessark::fuzz
