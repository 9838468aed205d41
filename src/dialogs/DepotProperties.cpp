#include "dialogs/DepotProperties.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QVBoxLayout>

#include "dialogs/NumberSpinEdit.h"
#include "edit/DepotPropertiesEditor.h"

namespace tessark {

CDepotProperties::CDepotProperties(DepotPropertiesEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor), depotId_(new NumberSpinEdit(this))
{
    setObjectName("DepotProperties");
    setWindowTitle("Depot properties");
    depotId_->setObjectName("DepotIdEdit");
    depotId_->SetSpinRange(static_cast<int>(DepotPropertiesEditor::kMinDepotId),
                           static_cast<int>(DepotPropertiesEditor::kMaxDepotId));
    depotId_->SetValue(static_cast<int>(editor.DepotId()));

    auto* fields = new QFormLayout;
    fields->addRow("Depot id:", depotId_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDepotProperties::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDepotProperties::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CDepotProperties::accept()
{
    const std::optional<int> value = depotId_->Value();
    const std::optional<std::string> problem =
        editor_.Submit(value ? std::optional<int64_t>(*value) : std::nullopt);
    if (!problem) {
        QDialog::accept();
        return;
    }
    QMessageBox::warning(this, "Tessark", QString::fromStdString(*problem));
    depotId_->setFocus();
    depotId_->selectAll();
}

}  // namespace tessark
