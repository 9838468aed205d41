#include "view/Minimap.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "render/MinimapPainter.h"
#include "view/TessarkView.h"

namespace tessark {

CMinimap::CMinimap(CTessarkView& view, QWidget* parent) : QDialog(parent, Qt::Tool), view_(view)
{
    setObjectName("Minimap");
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setWindowTitle(QString());
    setFixedSize(kClientWidth, kClientHeight);
    Recenter();
}

CMinimap::Origin CMinimap::CenteredOrigin() const
{
    const TileSpan span = view_.VisibleTileSpan();
    return {(int64_t{span.firstColumn} + span.lastColumn) / 2 - width() / 2,
            (int64_t{span.firstRow} + span.lastRow) / 2 - height() / 2};
}

void CMinimap::Recenter()
{
    const Origin origin = CenteredOrigin();
    originX_ = origin.x;
    originY_ = origin.y;
    floor_ = view_.CurrentFloor();
    update();
}

void CMinimap::InvalidateTile(int32_t x, int32_t y, int32_t z)
{
    if (z != floor_) {
        return;
    }
    const int64_t px = x - originX_;
    const int64_t py = y - originY_;
    if (px >= 0 && py >= 0 && px < width() && py < height()) {
        update(QRect(static_cast<int>(px), static_cast<int>(py), 1, 1));
    }
}

void CMinimap::InvalidateAll()
{
    update();
}

void CMinimap::OnViewScrolled()
{
    const Origin origin = CenteredOrigin();
    const int64_t dx = originX_ - origin.x;
    const int64_t dy = originY_ - origin.y;
    if (dx == 0 && dy == 0) {
        return;
    }
    originX_ = origin.x;
    originY_ = origin.y;
    if (dx > -width() && dx < width() && dy > -height() && dy < height()) {
        scroll(static_cast<int>(dx), static_cast<int>(dy));
    } else {
        update();
    }
}

void CMinimap::paintEvent(QPaintEvent* event)
{
    if (image_.Width() != width() || image_.Height() != height()) {
        image_.Resize(width(), height());
    }
    const QRegion region = event->region();
    for (const QRect& rect : region) {
        PaintMinimap(image_, view_.Document(), originX_, originY_, floor_,
                     Rect{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1});
    }
    const QImage image(reinterpret_cast<const uchar*>(image_.Pixels()), image_.Width(), image_.Height(),
                       image_.BytesPerLine(), QImage::Format_RGB32);
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& rect : region) {
        painter.drawImage(rect.topLeft(), image, rect);
    }
}

void CMinimap::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    const QPoint pixel = event->position().toPoint();
    const int64_t x = originX_ + pixel.x();
    const int64_t y = originY_ + pixel.y();
    if (x >= 0 && y >= 0 && x <= INT32_MAX && y <= INT32_MAX) {
        view_.CenterOn({static_cast<int32_t>(x), static_cast<int32_t>(y), floor_});
        view_.setFocus();
    }
}

}  // namespace tessark
