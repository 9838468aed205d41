#pragma once

#include <string>

#include "samples/gendata/ItemCatalog.h"

namespace tessark::gendata {

// The XML files of the data kit, as document text.
std::string ItemNamesXml(const ItemCatalog& catalog);
std::string MaterialsXml(const ItemCatalog& catalog);
std::string CreaturesXml(const ItemCatalog& catalog);

}  // namespace tessark::gendata
