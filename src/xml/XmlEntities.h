#pragma once

#include <string>
#include <string_view>

namespace tessark {

// Attribute values are written with the five entities &lt; &amp; &gt; &apos; &quot;.
std::string EncodeXmlEntities(std::string_view value);

// Turns the five entities back into their characters; any other '&' (numeric references
// included) is kept as it is.
std::string DecodeXmlEntities(std::string_view value);

}  // namespace tessark
