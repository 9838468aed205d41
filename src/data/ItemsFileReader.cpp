#include "data/ItemsFileReader.h"

namespace tessark {

int ItemsFileReader::Read(const std::string&)
{
    (void)database_;
    return {};
}

}  // namespace tessark
