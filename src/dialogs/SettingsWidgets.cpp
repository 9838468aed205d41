#include "dialogs/SettingsWidgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QSignalBlocker>

#include "app/DisplayText.h"
#include "dialogs/NumberSpinEdit.h"

namespace tessark {

void ShowLines(QComboBox& box, const std::vector<SettingsLine>& lines, int chosen)
{
    const QSignalBlocker quiet(box);
    box.clear();
    for (const SettingsLine& line : lines) {
        box.addItem(ToDisplayText(line.text), QVariant::fromValue<qlonglong>(line.data));
    }
    box.setCurrentIndex(chosen);
}

void ShowLines(QListWidget& box, const std::vector<SettingsLine>& lines, int chosen)
{
    const QSignalBlocker quiet(box);
    box.clear();
    for (const SettingsLine& line : lines) {
        auto* item = new QListWidgetItem(ToDisplayText(line.text), &box);
        item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(line.data));
    }
    box.setCurrentRow(chosen);
    if (chosen >= 0) {
        box.scrollToItem(box.item(chosen));
    }
}

NumberSpinEdit* MakeSettingsNumber(SettingsField field, const char* objectName, QWidget* parent)
{
    auto* edit = new NumberSpinEdit(parent);
    edit->setObjectName(objectName);
    const SettingsRange range = SettingsFields::Range(field);
    edit->SetSpinRange(static_cast<int>(range.minimum), static_cast<int>(range.maximum));
    return edit;
}

void ShowNumber(NumberSpinEdit& edit, const std::optional<int64_t>& value)
{
    edit.SetValue(static_cast<int>(value.value_or(0)));
}

std::optional<int64_t> NumberIn(const NumberSpinEdit& edit)
{
    const std::optional<int> value = edit.Value();
    return value ? std::optional<int64_t>(*value) : std::nullopt;
}

void WarnRefused(QWidget* parent, const SettingsProblem& problem, QWidget& field)
{
    QMessageBox::warning(parent, "Tessark", QString::fromStdString(problem.message));
    field.setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(&field)) {
        line->selectAll();
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(&field)) {
        spin->selectAll();
    }
}

}  // namespace tessark
