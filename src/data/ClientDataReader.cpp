#include "data/ClientDataReader.h"

namespace tessark {

int ClientDataReader::Read(const std::string&)
{
    (void)database_;
    return {};
}

}  // namespace tessark
