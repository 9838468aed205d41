#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "edit/SettingsFields.h"

class QComboBox;
class QListWidget;
class QWidget;

namespace tessark {

class NumberSpinEdit;

// What the house and town dialogs share: list lines, number fields and refused values.

// Replaces the box's lines and chooses one (-1: none) without telling its listeners.
void ShowLines(QComboBox& box, const std::vector<SettingsLine>& lines, int chosen);
void ShowLines(QListWidget& box, const std::vector<SettingsLine>& lines, int chosen);

// A number field with the field's spinner range, named for tests and scripts.
NumberSpinEdit* MakeSettingsNumber(SettingsField field, const char* objectName, QWidget* parent);
void ShowNumber(NumberSpinEdit& edit, const std::optional<int64_t>& value);
std::optional<int64_t> NumberIn(const NumberSpinEdit& edit);

// The warning box of a refused value, then the focus on its field with the text selected.
void WarnRefused(QWidget* parent, const SettingsProblem& problem, QWidget& field);

}  // namespace tessark
