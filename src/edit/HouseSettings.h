#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "edit/EditCommands.h"
#include "edit/SettingsFields.h"
#include "model/Position.h"

namespace tessark {

class CTessarkDoc;
class House;

// The fields of the house dialog. Numbers are none when the field holds no number.
struct HouseSettingsForm {
    std::string name;
    std::optional<int64_t> entryX;
    std::optional<int64_t> entryY;
    std::optional<int64_t> entryZ;
    std::optional<int64_t> cost;
    // The line chosen in the house's town box, -1 for none.
    int townLine = -1;

    bool operator==(const HouseSettingsForm&) const = default;
};

// Which controls can be used.
struct HouseSettingsControls {
    bool townFilter = false;
    bool houseBox = false;
    bool houseTown = false;
    bool save = false;
    bool remove = false;
    bool add = false;
    bool select = false;

    bool operator==(const HouseSettingsControls&) const = default;
};

// The rules of the "House settings" dialog over the open map's houses: the town filter, the
// house box, the fields, what each button changes and which buttons can be pressed. Every
// button changes the house list at once; closing the dialog undoes nothing. In restricted mode
// only the preselected house's fields can be saved.
class HouseSettings {
public:
    // Told after a house was deleted or changed, for the views.
    using HouseChanged = std::function<void(HouseChange change, uint32_t houseId)>;

    // What "Select" asks of the view once the dialog has ended.
    struct Picked {
        uint32_t houseId = 0;
        // Where to centre the view: the entry when its X, Y and Z are all non-zero.
        std::optional<Position> centerOn;
    };

    // preselected: the house to show first, if any.
    HouseSettings(CTessarkDoc& document, std::optional<uint32_t> preselected, bool fullMode,
                  HouseChanged changed);
    // Ends the dialog's step when Close did not.
    ~HouseSettings();
    HouseSettings(const HouseSettings&) = delete;
    HouseSettings& operator=(const HouseSettings&) = delete;

    // The town filter box: "Show all" (data 0), then every town.
    const std::vector<SettingsLine>& FilterLines() const { return filterLines_; }
    int FilterLine() const { return filterLine_; }
    // The houses the filter shows, data = house id; the current house's line or -1.
    const std::vector<SettingsLine>& HouseLines() const { return houseLines_; }
    int HouseLine() const;
    // The house's town box: every town, data = town id.
    const std::vector<SettingsLine>& TownLines() const { return townLines_; }
    // What the fields show.
    const HouseSettingsForm& Form() const { return form_; }
    HouseSettingsControls Controls() const { return controls_; }
    const House* CurrentHouse() const;

    void ChooseFilter(int line);
    void ChooseHouse(int line);
    // The name field changed: "Add" follows it.
    void EditName(const std::string& name);

    // Each checks the fields it takes over; on a problem nothing has changed.
    std::optional<SettingsProblem> Save(const HouseSettingsForm& entered);
    // Creates the house with the lowest free id, named and placed as the fields say. Refused
    // without a message while "Add" is disabled.
    std::optional<SettingsProblem> Add(const HouseSettingsForm& entered);
    // Deletes the current house without asking; its tiles lose their house marks.
    void Delete();
    // Saves the current house and names it for the view; the dialog then ends with OK.
    std::optional<SettingsProblem> Select(const HouseSettingsForm& entered,
                                         std::optional<Picked>& picked);

    // The dialog ended: OK ("Close" or "Select") marks the map modified, and so does Cancel
    // once a button has changed the house list (closing undoes nothing).
    void Close(bool accepted);
    bool ListsChanged() const { return listsChanged_; }

private:
    void FillHouseLines();
    void SelectHouse(std::optional<uint32_t> id);
    void SetFilter(int64_t townId);
    void UpdateControls();
    bool AddAllowed(const std::string& name) const;
    static std::optional<SettingsProblem> CheckFields(const HouseSettingsForm& entered);
    void ShowHouse(const House& house);
    int TownLineOf(int64_t townId) const;

    CTessarkDoc& document_;
    bool fullMode_;
    HouseChanged changed_;
    int64_t townFilter_ = -1;
    int filterLine_ = 0;
    std::optional<uint32_t> currentId_;
    std::vector<SettingsLine> filterLines_;
    std::vector<SettingsLine> houseLines_;
    std::vector<SettingsLine> townLines_;
    HouseSettingsForm form_;
    HouseSettingsControls controls_;
    bool listsChanged_ = false;
    bool stepOpen_ = true;
};

}  // namespace tessark
