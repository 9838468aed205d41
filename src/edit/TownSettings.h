#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "edit/SettingsFields.h"

namespace tessark {

class CTessarkDoc;
class Town;

// The fields of the town dialog. Numbers are none when the field holds no number.
struct TownSettingsForm {
    std::string name;
    std::optional<int64_t> templeX;
    std::optional<int64_t> templeY;
    std::optional<int64_t> templeZ;

    bool operator==(const TownSettingsForm&) const = default;
};

struct TownSettingsControls {
    bool townBox = false;
    bool save = false;
    bool remove = false;
    bool add = false;

    bool operator==(const TownSettingsControls&) const = default;
};

// The rules of the "Town settings" dialog over the open map's towns. Every button changes the
// town list at once; closing the dialog undoes nothing. Towns may share names. Deleting a town
// leaves the houses that name it as they are.
class TownSettings {
public:
    explicit TownSettings(CTessarkDoc& document);
    // Ends the dialog's step when Close did not.
    ~TownSettings();
    TownSettings(const TownSettings&) = delete;
    TownSettings& operator=(const TownSettings&) = delete;

    // "ID - NAME" for every town in ascending id; the current town's line or -1.
    const std::vector<SettingsLine>& TownLines() const { return townLines_; }
    int TownLine() const { return currentIndex_; }
    // The current town's id as the dialog shows it, empty with none.
    const std::string& IdText() const { return idText_; }
    const TownSettingsForm& Form() const { return form_; }
    TownSettingsControls Controls() const { return controls_; }
    const Town* CurrentTown() const;

    void ChooseTown(int line);
    // The name field changed: "Add" is enabled exactly when it is not empty.
    void EditName(const std::string& name);

    // Each checks the fields it takes over; on a problem nothing has changed.
    std::optional<SettingsProblem> Save(const TownSettingsForm& entered);
    // Creates the town with the lowest free id from the fields.
    std::optional<SettingsProblem> Add(const TownSettingsForm& entered);
    void Delete();

    // OK marks the map modified, and so does Cancel once a button has changed the town list.
    void Close(bool accepted);
    bool ListsChanged() const { return listsChanged_; }

private:
    void FillTownLines();
    static std::optional<SettingsProblem> Check(const TownSettingsForm& entered);

    CTessarkDoc& document_;
    int currentIndex_ = -1;
    std::vector<SettingsLine> townLines_;
    std::string idText_;
    TownSettingsForm form_{"", 100, 100, 7};
    TownSettingsControls controls_;
    bool listsChanged_ = false;
    bool stepOpen_ = true;
};

}  // namespace tessark
