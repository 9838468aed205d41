#include "dialogs/InputDialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace tessark {

CInputDialog::CInputDialog(int value, int minimum, int maximum, QWidget* parent)
    : QDialog(parent), field_(new QLineEdit(this)), value_(value), minimum_(minimum), maximum_(maximum)
{
    setObjectName("InputDialog");
    setWindowTitle(kTitle);
    // Digits only, as a number-only edit field takes them.
    field_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,10}"), field_));
    field_->setText(QString::number(value));
    field_->selectAll();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CInputDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CInputDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(field_);
    layout->addWidget(buttons);
}

std::optional<int> CInputDialog::Exchange()
{
    bool isNumber = false;
    const qlonglong number = field_->text().toLongLong(&isNumber);
    QString problem;
    if (!isNumber) {
        problem = "Enter an integer.";
    } else if (number < minimum_ || number > maximum_) {
        problem = QString("Enter an integer between %1 and %2.").arg(minimum_).arg(maximum_);
    }
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, "Tessark", problem);
        field_->setFocus();
        field_->selectAll();
        return std::nullopt;
    }
    return static_cast<int>(number);
}

void CInputDialog::accept()
{
    if (const std::optional<int> value = Exchange()) {
        value_ = *value;
        QDialog::accept();
    }
}

}  // namespace tessark
