#include "dialogs/GeneralPage.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include "dialogs/FileNameEdit.h"
#include "dialogs/NumberSpinEdit.h"

namespace tessark {

namespace {

constexpr int kSpinAccelerationMs = 1000 * 1000;  // the acceleration record: after 1000 seconds
constexpr int kSpinAcceleratedStep = 32;

NumberSpinEdit* MakeNumber(QWidget* parent, int value, int minimum, int maximum)
{
    auto* edit = new NumberSpinEdit(parent);
    edit->SetSpinRange(minimum, maximum);
    edit->SetValue(value);
    return edit;
}

}  // namespace

CGeneralPage::CGeneralPage(const GeneralPageFields& fields, QWidget* parent) : QWidget(parent), fields_(fields)
{
    setObjectName("General");
    filename_ = new CFileNameEdit(this);
    filename_->setMaxLength(kMaxTextLength);
    filename_->setText(fields.filename);

    width_ = MakeNumber(this, fields.width, kMinimumSize, fields.maxWidth);
    height_ = MakeNumber(this, fields.height, kMinimumSize, fields.maxHeight);
    width_->SetAcceleration(kSpinAccelerationMs, kSpinAcceleratedStep);
    height_->SetAcceleration(kSpinAccelerationMs, kSpinAcceleratedStep);
    temple_[0] = MakeNumber(this, fields.templeX, 1, 65536);
    temple_[1] = MakeNumber(this, fields.templeY, 1, 65536);
    temple_[2] = MakeNumber(this, fields.templeZ, 0, 15);

    description_ = new QLineEdit(fields.description, this);
    description_->setMaxLength(kMaxTextLength);
    spawnFile_ = new CFileNameEdit(this);
    spawnFile_->setMaxLength(kMaxTextLength);
    spawnFile_->setText(fields.spawnFile);
    houseFile_ = new QLineEdit(fields.houseFile, this);
    houseFile_->setMaxLength(kMaxTextLength);

    auto* sizeGroup = new QGroupBox("Size", this);
    auto* sizeLayout = new QFormLayout(sizeGroup);
    sizeLayout->addRow("Width:", width_);
    sizeLayout->addRow("Height:", height_);

    auto* templeGroup = new QGroupBox("Temple", this);
    auto* templeLayout = new QFormLayout(templeGroup);
    templeLayout->addRow("X:", temple_[0]);
    templeLayout->addRow("Y:", temple_[1]);
    templeLayout->addRow("Z:", temple_[2]);
    // Shown, not editable: the temple is set elsewhere.
    templeGroup->setEnabled(false);

    auto* groups = new QGridLayout;
    groups->addWidget(sizeGroup, 0, 0);
    groups->addWidget(templeGroup, 0, 1);

    auto* top = new QFormLayout;
    top->addRow("Filename:", filename_);
    auto* bottom = new QFormLayout;
    bottom->addRow("Description:", description_);
    bottom->addRow("External spawn file:", spawnFile_);
    bottom->addRow("External house file:", houseFile_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(groups);
    layout->addLayout(bottom);
    layout->addStretch(1);

    originalWidth_ = fields.width;
    originalHeight_ = fields.height;
    filename_->setEnabled(fields.isNew);
}

bool CGeneralPage::ExchangeNumber(NumberSpinEdit& edit, int minimum, int maximum, int& field, bool checkRange)
{
    const std::optional<int> value = edit.Value();
    QString problem;
    if (!value) {
        problem = "Enter an integer.";
    } else if (checkRange && (*value < minimum || *value > maximum)) {
        problem = QString("Enter an integer between %1 and %2.").arg(minimum).arg(maximum);
    }
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, "Tessark", problem);
        edit.setFocus();
        edit.selectAll();
        return false;
    }
    field = *value;
    return true;
}

bool CGeneralPage::OnKillActive()
{
    GeneralPageFields next = fields_;
    next.filename = filename_->text();
    if (!ExchangeNumber(*width_, kMinimumSize, fields_.maxWidth, next.width, true) ||
        !ExchangeNumber(*height_, kMinimumSize, fields_.maxHeight, next.height, true) ||
        !ExchangeNumber(*temple_[0], 0, 0, next.templeX, false) ||
        !ExchangeNumber(*temple_[1], 0, 0, next.templeY, false) ||
        !ExchangeNumber(*temple_[2], 0, 0, next.templeZ, false)) {
        return false;
    }
    next.description = description_->text();
    next.spawnFile = spawnFile_->text();
    next.houseFile = houseFile_->text();
    fields_ = next;
    return true;
}

void CGeneralPage::OnOK()
{
    if (fields_.isNew || (fields_.width >= originalWidth_ && fields_.height >= originalHeight_)) {
        return;
    }
    const auto answer = QMessageBox::warning(this, "Tessark", kShrinkWarning, QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) {
        fields_.width = originalWidth_;
        fields_.height = originalHeight_;
    }
}

}  // namespace tessark
