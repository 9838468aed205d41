#include "view/Minimap.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

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

void CMinimap::Recenter()
{
    painter_.Recenter(view_.VisibleTileSpan(), view_.CurrentFloor(), width(), height());
    update();
}

void CMinimap::InvalidateTile(int32_t x, int32_t y, int32_t z)
{
    if (z != painter_.floor) {
        return;
    }
    const int64_t px = int64_t{x} - painter_.originX;
    const int64_t py = int64_t{y} - painter_.originY;
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
    const int oldX = painter_.originX;
    const int oldY = painter_.originY;
    painter_.Recenter(view_.VisibleTileSpan(), painter_.floor, width(), height());
    const int dx = oldX - painter_.originX;
    const int dy = oldY - painter_.originY;
    if (dx == 0 && dy == 0) {
        return;
    }
    // The pixels already shown move along; only the strip that came in is painted.
    if (dx > -width() && dx < width() && dy > -height() && dy < height()) {
        scroll(dx, dy);
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
        image_.SetClip(Rect{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1});
        painter_.Paint(image_, view_.Document());
    }
    image_.ResetClip();
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
    if (const std::optional<Position> target = painter_.TileAt({pixel.x(), pixel.y()})) {
        view_.CenterOn(*target);
        view_.setFocus();
    }
}

}  // namespace tessark
