#pragma once

#include <QDialog>
#include <optional>

#include "edit/HouseSettings.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tessark {

class NumberSpinEdit;

// "House settings": the town filter, the house box and the fields of the current house, with
// Save, Delete, Add and Select. Each button hands the fields to the engine's HouseSettings and
// shows what it says; a refused value shows its warning and keeps the focus on that field.
// "Close" ends the dialog with OK, Escape with Cancel; "Select" ends it with OK once the house
// was saved, leaving the pick in Picked().
class CHouseProperties final : public QDialog {
    Q_OBJECT
public:
    explicit CHouseProperties(HouseSettings& settings, QWidget* parent = nullptr);

    const std::optional<HouseSettings::Picked>& Picked() const { return picked_; }

    QComboBox& TownFilter() const { return *townFilter_; }
    QListWidget& HouseBox() const { return *houseBox_; }
    QComboBox& HouseTown() const { return *houseTown_; }
    QLineEdit& NameEdit() const { return *name_; }
    NumberSpinEdit& Edit(SettingsField field) const;
    QPushButton& SaveButton() const { return *save_; }
    QPushButton& DeleteButton() const { return *delete_; }
    QPushButton& AddButton() const { return *add_; }
    QPushButton& SelectButton() const { return *select_; }
    QPushButton& CloseButton() const { return *close_; }

private:
    void Refresh();
    HouseSettingsForm Entered() const;
    // Shows the problem's warning on its field; true when there was one.
    bool Refused(const std::optional<SettingsProblem>& problem);
    void OnSelect();

    HouseSettings& settings_;
    std::optional<HouseSettings::Picked> picked_;
    QComboBox* townFilter_;
    QListWidget* houseBox_;
    QLineEdit* name_;
    NumberSpinEdit* numbers_[5] = {};
    QComboBox* houseTown_;
    QPushButton* save_;
    QPushButton* delete_;
    QPushButton* add_;
    QPushButton* select_;
    QPushButton* close_;
};

}  // namespace tessark
