#include "edit/DepotPropertiesEditor.h"

#include "model/DepotItem.h"
#include "model/EditStep.h"
#include "model/TessarkDoc.h"

namespace tessark {

DepotPropertiesEditor::DepotPropertiesEditor(CTessarkDoc& document, CDepotItem& depot,
                                             std::optional<Position> position)
    : document_(document), depot_(depot), position_(position), opened_(depot.GetDepotId())
{
}

std::optional<std::string> DepotPropertiesEditor::Submit(std::optional<int64_t> entered)
{
    if (!entered) {
        return "Enter an integer.";
    }
    if (*entered < kMinDepotId || *entered > kMaxDepotId) {
        return "Enter an integer between " + std::to_string(kMinDepotId) + " and " +
               std::to_string(kMaxDepotId) + ".";
    }
    EditStep step(document_, "Depot Properties");
    if (position_) {
        document_.NoteTileChange(*position_);
    }
    depot_.SetDepotId(static_cast<uint32_t>(*entered));
    document_.SetModifiedFlag(true);
    return std::nullopt;
}

}  // namespace tessark
