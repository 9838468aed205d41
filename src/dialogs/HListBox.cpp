#include "dialogs/HListBox.h"

#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace tessark {

CHListBox::CHListBox(QWidget* parent) : QListWidget(parent)
{
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Lays long lists out in steps, so that the window answers while they grow.
    setLayoutMode(QListView::Batched);
}

int CHListBox::AddString(const QString& text)
{
    addItem(text);
    const int border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int width = fontMetrics().horizontalAdvance(text) + 3 * border;
    if (width > maxExtent_) {
        maxExtent_ = width;
        extent_ = width;
        updateGeometries();
    }
    return count() - 1;
}

void CHListBox::ResetContent()
{
    clear();
    maxExtent_ = 0;
}

void CHListBox::updateGeometries()
{
    QListWidget::updateGeometries();
    QScrollBar* bar = horizontalScrollBar();
    const int maximum = std::max(bar->maximum(), extent_ - viewport()->width());
    if (maximum > 0) {
        bar->setRange(0, maximum);
        bar->setPageStep(viewport()->width());
    }
}

}  // namespace tessark
