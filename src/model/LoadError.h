#pragma once

#include <cstdint>
#include <string>

namespace tessark {

// What failed in the last map read or write; the document shows it after a failed open.
enum class LoadErrorKind : int32_t {
    None = 0,
    Generic = 1,            // the file could not be opened, or is no map of this kind
    StreamProperties = 2,   // a node's properties could not be read
    Header = 3,             // the header is missing or short
    UnknownAttribute = 4,   // an attribute or node type the reader does not know
    CreateObject = 5,       // an item id names no item type
    UnserializeObject = 6,  // an item refused its data
};

// The detail of a read or save that ran out of memory.
inline constexpr const char* kOutOfMemoryDetail = "there was not enough memory to finish";

// "Could not open the file.\n" and the kind's text with the code; "" for kind 0.
std::string LoadErrorMessage(int32_t kind, int32_t code);

}  // namespace tessark
