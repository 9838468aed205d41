#include "dialogs/NumberSettingDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QMessageBox>
#include <QVBoxLayout>

#include "dialogs/NumberSpinEdit.h"
#include "edit/NumberSetting.h"

namespace tessark {

NumberSettingDialog::NumberSettingDialog(const QString& title, const QString& label,
                                         const NumberSetting& setting, Submit submit, QWidget* parent)
    : QDialog(parent), submit_(std::move(submit)), field_(new NumberSpinEdit(this))
{
    setWindowTitle(title);
    field_->setObjectName("Field");
    field_->SetSpinRange(static_cast<int>(setting.Minimum()), static_cast<int>(setting.Maximum()));
    field_->SetValue(static_cast<int>(setting.Stored()));

    auto* group = new QGroupBox("Settings", this);
    auto* fields = new QFormLayout(group);
    fields->addRow(label, field_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &NumberSettingDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NumberSettingDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void NumberSettingDialog::accept()
{
    const std::optional<int> value = field_->Value();
    const std::optional<std::string> problem =
        submit_(value ? std::optional<int64_t>(*value) : std::nullopt);
    if (!problem) {
        QDialog::accept();
        return;
    }
    QMessageBox::warning(this, "Tessark", QString::fromStdString(*problem));
    field_->setFocus();
    field_->selectAll();
}

}  // namespace tessark
