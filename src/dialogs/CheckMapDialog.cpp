#include "dialogs/CheckMapDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/HListBox.h"
#include "edit/VerifyCheck.h"

namespace tessark {

CCheckMapDialog::CCheckMapDialog(const CTessarkDoc& document, QWidget* parent)
    : QDialog(parent), document_(document), list_(new CHListBox(this))
{
    setObjectName("CheckMapDialog");
    setWindowTitle("Verify map");
    setAttribute(Qt::WA_DeleteOnClose);
    list_->setObjectName("VerifyList");
    auto* check = new QPushButton("Check", this);
    check->setObjectName("CheckButton");
    check->setDefault(true);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("CloseButton");
    connect(check, &QPushButton::clicked, this, &CCheckMapDialog::Check);
    connect(close, &QPushButton::clicked, this, &CCheckMapDialog::close);
    connect(list_, &QListWidget::itemDoubleClicked, this, &CCheckMapDialog::LineDoubleClicked);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(check);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(420, 300);
}

void CCheckMapDialog::Check()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    list_->ResetContent();
    positions_.clear();
    const std::vector<VerifyEntry> entries = VerifyMap(document_);
    positions_.reserve(entries.size());
    list_->setUpdatesEnabled(false);
    for (const VerifyEntry& entry : entries) {
        list_->AddString(QString::fromStdString(entry.text));
        positions_.push_back(entry.position);
    }
    list_->setUpdatesEnabled(true);
    QApplication::restoreOverrideCursor();
}

void CCheckMapDialog::LineDoubleClicked()
{
    const int line = list_->currentRow();
    if (line < 0 || static_cast<size_t>(line) >= positions_.size()) {
        return;
    }
    emit JumpRequested(positions_[static_cast<size_t>(line)]);
}

}  // namespace tessark
