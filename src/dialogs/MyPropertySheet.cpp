#include "dialogs/MyPropertySheet.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialogs/GeneralPage.h"

namespace tessark {

CMyPropertySheet::CMyPropertySheet(const QString& title, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(title);
    tabs_ = new QTabWidget(this);
    // Stacked tabs: rows of tabs rather than scroll arrows.
    tabs_->setUsesScrollButtons(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMyPropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
}

void CMyPropertySheet::AddPage(CGeneralPage* page, const QString& title)
{
    pages_.push_back(page);
    tabs_->addTab(page, title);
}

void CMyPropertySheet::accept()
{
    for (CGeneralPage* page : pages_) {
        if (!page->OnKillActive()) {
            tabs_->setCurrentWidget(page);
            return;
        }
    }
    for (CGeneralPage* page : pages_) {
        page->OnOK();
    }
    QDialog::accept();
}

}  // namespace tessark
