#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/Position.h"

namespace tessark {

class CDepotItem;
class CTessarkDoc;

// The rules of the "Depot properties" dialog: it shows the depot's id and takes 1 to 100.
class DepotPropertiesEditor {
public:
    static constexpr int64_t kMinDepotId = 1;
    static constexpr int64_t kMaxDepotId = 100;

    // The depot must stay on the map until the editor is gone. Given its position, OK is a
    // step that undo takes back.
    DepotPropertiesEditor(CTessarkDoc& document, CDepotItem& depot,
                          std::optional<Position> position = std::nullopt);

    int64_t DepotId() const { return opened_; }

    // OK: the warning to show when the value is refused (nothing changed), else none: the
    // depot takes the id and the map is marked modified.
    std::optional<std::string> Submit(std::optional<int64_t> entered);

private:
    CTessarkDoc& document_;
    CDepotItem& depot_;
    std::optional<Position> position_;
    int64_t opened_;
};

}  // namespace tessark
