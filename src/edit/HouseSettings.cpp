#include "edit/HouseSettings.h"

#include <utility>

#include "model/House.h"
#include "model/TessarkDoc.h"

namespace tessark {

HouseSettings::HouseSettings(CTessarkDoc& document, std::optional<uint32_t> preselected,
                             bool fullMode, HouseChanged changed)
    : document_(document), fullMode_(fullMode), changed_(std::move(changed))
{
    // Everything the dialog changes, until it closes, is one step.
    document_.BeginStep("Houses");
    filterLines_.push_back({"Show all", 0});
    for (const auto& [id, town] : document_.Towns().Towns()) {
        filterLines_.push_back({town->name, id});
        townLines_.push_back({town->name, id});
    }
    FillHouseLines();
    SelectHouse(preselected);
}

int HouseSettings::HouseLine() const
{
    for (size_t i = 0; currentId_ && i < houseLines_.size(); ++i) {
        if (houseLines_[i].data == *currentId_) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const House* HouseSettings::CurrentHouse() const
{
    return currentId_ ? document_.Houses().FindHouse(*currentId_) : nullptr;
}

void HouseSettings::ChooseFilter(int line)
{
    if (!fullMode_ || line < 0 || line >= static_cast<int>(filterLines_.size())) {
        return;
    }
    SetFilter(filterLines_[static_cast<size_t>(line)].data);
    currentId_.reset();
    FillHouseLines();
    UpdateControls();
}

void HouseSettings::ChooseHouse(int line)
{
    if (fullMode_ && line >= 0 && line < static_cast<int>(houseLines_.size())) {
        SelectHouse(static_cast<uint32_t>(houseLines_[static_cast<size_t>(line)].data));
    }
}

void HouseSettings::EditName(const std::string& name)
{
    form_.name = name;
    controls_.add = AddAllowed(name);
}

std::optional<SettingsProblem> HouseSettings::CheckFields(const HouseSettingsForm& entered)
{
    std::optional<SettingsProblem> problem;
    if ((problem = SettingsFields::CheckName(entered.name)) ||
        (problem = SettingsFields::CheckNumber(SettingsField::X, entered.entryX)) ||
        (problem = SettingsFields::CheckNumber(SettingsField::Y, entered.entryY)) ||
        (problem = SettingsFields::CheckNumber(SettingsField::Z, entered.entryZ)) ||
        (problem = SettingsFields::CheckNumber(SettingsField::Cost, entered.cost))) {
        return problem;
    }
    return std::nullopt;
}

std::optional<SettingsProblem> HouseSettings::Save(const HouseSettingsForm& entered)
{
    House* house = currentId_ ? document_.Houses().FindHouse(*currentId_) : nullptr;
    if (!house) {
        return std::nullopt;
    }
    if (auto problem = CheckFields(entered)) {
        return problem;
    }
    house->name = entered.name;
    house->entryX = static_cast<int32_t>(*entered.entryX);
    house->entryY = static_cast<int32_t>(*entered.entryY);
    house->entryZ = static_cast<int32_t>(*entered.entryZ);
    house->rent = static_cast<int32_t>(*entered.cost);
    // With no line chosen the house keeps its town: it names a town that was deleted (or none),
    // and a save of its other fields must not move it to whatever town was shown before.
    if (entered.townLine >= 0 && entered.townLine < static_cast<int>(townLines_.size())) {
        house->townId = static_cast<int32_t>(townLines_[static_cast<size_t>(entered.townLine)].data);
    }
    listsChanged_ = true;
    if (changed_) {
        changed_(HouseChange::Changed, house->GetId());
    }
    if (townFilter_ != -1 && house->townId != townFilter_) {
        SetFilter(house->townId);
    }
    FillHouseLines();
    ShowHouse(*house);
    UpdateControls();
    return std::nullopt;
}

std::optional<SettingsProblem> HouseSettings::Add(const HouseSettingsForm& entered)
{
    if (!AddAllowed(entered.name)) {
        return std::nullopt;
    }
    // Checked before the house exists, so a refused Add leaves no house with default values.
    if (auto problem = CheckFields(entered)) {
        return problem;
    }
    HouseList& houses = document_.Houses();
    uint32_t id = 1;
    while (houses.FindHouse(id)) {
        ++id;
    }
    houses.GetHouse(id, true);
    currentId_ = id;
    return Save(entered);
}

void HouseSettings::Delete()
{
    const House* house = CurrentHouse();
    if (!fullMode_ || !house) {
        return;
    }
    const uint32_t id = house->GetId();
    if (changed_) {
        changed_(HouseChange::Deleted, id);
    }
    document_.NoteHouseTiles(id);
    document_.Houses().RemoveHouse(house);
    listsChanged_ = true;
    currentId_.reset();
    FillHouseLines();
    SelectHouse(std::nullopt);
}

std::optional<SettingsProblem> HouseSettings::Select(const HouseSettingsForm& entered,
                                                     std::optional<Picked>& picked)
{
    picked.reset();
    if (!fullMode_ || !CurrentHouse()) {
        return std::nullopt;
    }
    if (auto problem = Save(entered)) {
        return problem;
    }
    const House& house = *CurrentHouse();
    picked = Picked{house.GetId(), std::nullopt};
    if (house.entryX != 0 && house.entryY != 0 && house.entryZ != 0) {
        picked->centerOn = Position{house.entryX, house.entryY, house.entryZ};
    }
    return std::nullopt;
}

HouseSettings::~HouseSettings()
{
    if (stepOpen_) {
        document_.EndStep();
    }
}

void HouseSettings::Close(bool accepted)
{
    if (accepted || listsChanged_) {
        document_.SetModifiedFlag(true);
    }
    if (std::exchange(stepOpen_, false)) {
        document_.EndStep();
    }
}

void HouseSettings::FillHouseLines()
{
    houseLines_.clear();
    for (const auto& [id, house] : document_.Houses().Houses()) {
        if (townFilter_ == -1 || house->townId == townFilter_) {
            houseLines_.push_back({SettingsFields::LineText(id, house->name), id});
        }
    }
}

void HouseSettings::SelectHouse(std::optional<uint32_t> id)
{
    currentId_ = id;
    if (const House* house = CurrentHouse()) {
        ShowHouse(*house);
    } else {
        currentId_.reset();
    }
    UpdateControls();
}

void HouseSettings::SetFilter(int64_t townId)
{
    townFilter_ = -1;
    filterLine_ = 0;
    for (size_t i = 1; townId != 0 && i < filterLines_.size(); ++i) {
        if (filterLines_[i].data == townId) {
            townFilter_ = townId;
            filterLine_ = static_cast<int>(i);
        }
    }
}

void HouseSettings::UpdateControls()
{
    controls_ = {};
    controls_.houseTown = !townLines_.empty();
    controls_.houseBox = fullMode_ && !houseLines_.empty();
    controls_.townFilter = fullMode_;
    if (CurrentHouse()) {
        controls_.save = true;
        controls_.remove = fullMode_;
        controls_.select = fullMode_;
    } else {
        form_ = HouseSettingsForm{"", 0, 0, 0, 0, TownLineOf(townFilter_)};
    }
    controls_.add = AddAllowed(form_.name);
}

bool HouseSettings::AddAllowed(const std::string& name) const
{
    if (!fullMode_ || name.empty()) {
        return false;
    }
    for (const auto& entry : document_.Houses().Houses()) {
        if (SettingsFields::SameNameIgnoringCase(entry.second->name, name)) {
            return false;
        }
    }
    return true;
}

void HouseSettings::ShowHouse(const House& house)
{
    form_ = HouseSettingsForm{house.name, house.entryX, house.entryY, house.entryZ, house.rent,
                              TownLineOf(house.townId)};
}

int HouseSettings::TownLineOf(int64_t townId) const
{
    for (size_t i = 0; townId > 0 && i < townLines_.size(); ++i) {
        if (townLines_[i].data == townId) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace tessark
