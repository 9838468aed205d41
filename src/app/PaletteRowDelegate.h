#pragma once

#include <QStyledItemDelegate>

#include "platform/Surface.h"

namespace tessark {

class SpriteRenderer;

// Paints a palette row as the list shows it: the type's sprite in a 64 x 64 square at the row's
// left, the server id beside it and the other columns' texts, highlighted when selected (the
// list shows its selection also without focus).
class PaletteRowDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 64;

    PaletteRowDelegate(SpriteRenderer& renderer, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    SpriteRenderer& renderer_;
    mutable Surface square_;
};

}  // namespace tessark
