#include "data/ItemNamesReader.h"

namespace tessark {

bool ItemNamesReader::Read(const std::string&)
{
    (void)database_;
    return {};
}

}  // namespace tessark
