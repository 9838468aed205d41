#pragma once

#include <QDialog>

#include "edit/TownSettings.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessark {

class NumberSpinEdit;

// "Town settings": the town box, the current town's id, name and temple, with Save, Delete and
// Add handed to the engine's TownSettings. "Close" ends the dialog with OK, Escape with Cancel.
class CTownProperties final : public QDialog {
    Q_OBJECT
public:
    explicit CTownProperties(TownSettings& settings, QWidget* parent = nullptr);

    QComboBox& TownBox() const { return *townBox_; }
    QLabel& IdText() const { return *id_; }
    QLineEdit& NameEdit() const { return *name_; }
    NumberSpinEdit& Edit(SettingsField field) const;
    QPushButton& SaveButton() const { return *save_; }
    QPushButton& DeleteButton() const { return *delete_; }
    QPushButton& AddButton() const { return *add_; }
    QPushButton& CloseButton() const { return *close_; }

private:
    void Refresh();
    TownSettingsForm Entered() const;
    bool Refused(const std::optional<SettingsProblem>& problem);

    TownSettings& settings_;
    QComboBox* townBox_;
    QLabel* id_;
    QLineEdit* name_;
    NumberSpinEdit* numbers_[4] = {};
    QPushButton* save_;
    QPushButton* delete_;
    QPushButton* add_;
    QPushButton* close_;
};

}  // namespace tessark
