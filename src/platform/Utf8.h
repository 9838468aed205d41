#pragma once

#include <cstddef>
#include <string_view>

namespace tessark {

// Length of the well-formed UTF-8 sequence starting at text[i], 0 when there is none (overlong
// forms, surrogates and values past U+10FFFF are not well-formed). Plain ASCII counts as 1.
size_t Utf8SequenceLength(std::string_view text, size_t i);

// Whether all of the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

}  // namespace tessark
