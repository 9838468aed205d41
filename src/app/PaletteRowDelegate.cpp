#include "app/PaletteRowDelegate.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "app/PaletteModel.h"
#include "render/SpriteRenderer.h"

namespace tessark {

PaletteRowDelegate::PaletteRowDelegate(SpriteRenderer& renderer, QObject* parent)
    : QStyledItemDelegate(parent), renderer_(renderer)
{
}

QSize PaletteRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight);
}

void PaletteRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool highlighted = (option.state & QStyle::State_Selected) != 0;
    const QPalette& palette = option.palette;
    const QColor background = highlighted ? palette.color(QPalette::Active, QPalette::Highlight)
                                          : palette.color(QPalette::Active, QPalette::Base);
    const QColor foreground = highlighted ? palette.color(QPalette::Active, QPalette::HighlightedText)
                                          : palette.color(QPalette::Active, QPalette::Text);
    const QRect cell = option.rect;
    painter->fillRect(cell, background);

    const int margin = 2 * QFontMetrics(option.font).horizontalAdvance(QLatin1Char(' '));
    QRect textArea = cell.adjusted(margin, 0, -margin, 0);
    if (index.column() == PaletteModel::IdColumn) {
        // The sprite is drawn by its bottom-right corner, so a 2 x 2 item fills the square.
        square_.Resize(kRowHeight, kRowHeight, background.rgb() & 0x00FFFFFF);
        renderer_.DrawPaletteItem(square_, index.data(PaletteModel::kKeyRole).toInt(), kRowHeight, kRowHeight);
        const QImage image(reinterpret_cast<const uchar*>(square_.Pixels()), kRowHeight, kRowHeight,
                           square_.BytesPerLine(), QImage::Format_RGB32);
        painter->drawImage(QRect(cell.left(), cell.top(), kRowHeight, std::min(kRowHeight, cell.height())), image,
                           QRect(0, 0, kRowHeight, std::min(kRowHeight, cell.height())));
        textArea = QRect(cell.left() + kRowHeight, cell.top(), cell.width() - kRowHeight - margin, cell.height());
    }
    if (textArea.width() <= 0) {
        return;
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    painter->setFont(option.font);
    painter->setPen(foreground);
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      QFontMetrics(option.font).elidedText(text, Qt::ElideRight, textArea.width()));
}

}  // namespace tessark
