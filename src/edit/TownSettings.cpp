#include "edit/TownSettings.h"

#include <iterator>
#include <utility>

#include "model/TessarkDoc.h"

namespace tessark {

TownSettings::TownSettings(CTessarkDoc& document) : document_(document)
{
    // Everything the dialog changes, until it closes, is one step.
    document_.BeginStep("Towns");
    FillTownLines();
    if (!townLines_.empty()) {
        controls_.townBox = controls_.save = controls_.remove = true;
        ChooseTown(0);
    }
}

const Town* TownSettings::CurrentTown() const
{
    const TownList::Map& towns = document_.Towns().Towns();
    if (currentIndex_ < 0 || currentIndex_ >= static_cast<int>(towns.size())) {
        return nullptr;
    }
    return std::next(towns.begin(), currentIndex_)->second.get();
}

void TownSettings::ChooseTown(int line)
{
    if (line < 0 || line >= static_cast<int>(townLines_.size())) {
        return;
    }
    currentIndex_ = line;
    const Town& town = *CurrentTown();
    form_ = TownSettingsForm{town.name, town.templeX, town.templeY, town.templeZ};
    idText_ = std::to_string(town.GetId());
}

void TownSettings::EditName(const std::string& name)
{
    form_.name = name;
    controls_.add = !name.empty();
}

std::optional<SettingsProblem> TownSettings::Check(const TownSettingsForm& entered)
{
    std::optional<SettingsProblem> problem;
    if ((problem = SettingsFields::CheckName(entered.name)) ||
        (problem = SettingsFields::CheckNumber(SettingsField::X, entered.templeX)) ||
        (problem = SettingsFields::CheckNumber(SettingsField::Y, entered.templeY)) ||
        (problem = SettingsFields::CheckNumber(SettingsField::Z, entered.templeZ))) {
        return problem;
    }
    return std::nullopt;
}

std::optional<SettingsProblem> TownSettings::Save(const TownSettingsForm& entered)
{
    const Town* current = CurrentTown();
    if (!current) {
        return std::nullopt;
    }
    if (auto problem = Check(entered)) {
        return problem;
    }
    Town& town = *document_.Towns().GetTown(current->GetId(), false);
    town.name = entered.name;
    town.templeX = static_cast<int32_t>(*entered.templeX);
    town.templeY = static_cast<int32_t>(*entered.templeY);
    town.templeZ = static_cast<int32_t>(*entered.templeZ);
    listsChanged_ = true;
    FillTownLines();
    ChooseTown(currentIndex_);
    return std::nullopt;
}

std::optional<SettingsProblem> TownSettings::Add(const TownSettingsForm& entered)
{
    if (entered.name.empty()) {
        return std::nullopt;
    }
    // Checked before the town exists, so a refused Add leaves no town with default values.
    if (auto problem = Check(entered)) {
        return problem;
    }
    TownList& towns = document_.Towns();
    uint32_t id = 1;
    while (towns.GetTown(id, false)) {
        ++id;
    }
    towns.GetTown(id, true);
    currentIndex_ = static_cast<int>(std::distance(towns.Towns().begin(), towns.Towns().find(id)));
    FillTownLines();
    controls_.townBox = controls_.save = controls_.remove = true;
    return Save(entered);
}

void TownSettings::Delete()
{
    const Town* town = CurrentTown();
    if (!town) {
        return;
    }
    document_.Towns().RemoveTown(town);
    listsChanged_ = true;
    currentIndex_ = -1;
    FillTownLines();
    if (!townLines_.empty()) {
        ChooseTown(0);
        return;
    }
    form_ = TownSettingsForm{"", 0, 0, 0};
    idText_.clear();
    controls_.townBox = controls_.save = controls_.remove = false;
    controls_.add = false;
}

TownSettings::~TownSettings()
{
    if (stepOpen_) {
        document_.EndStep();
    }
}

void TownSettings::Close(bool accepted)
{
    if (accepted || listsChanged_) {
        document_.SetModifiedFlag(true);
    }
    if (std::exchange(stepOpen_, false)) {
        document_.EndStep();
    }
}

void TownSettings::FillTownLines()
{
    townLines_.clear();
    for (const auto& [id, town] : document_.Towns().Towns()) {
        townLines_.push_back({SettingsFields::LineText(id, town->name), id});
    }
}

}  // namespace tessark
