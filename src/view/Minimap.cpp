#include "view/Minimap.h"

#include <algorithm>

#include <QImage>
#include <QResizeEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "view/TessarkView.h"

namespace tessark {

CMinimap::CMinimap(CTessarkView& view, QWidget* parent) : QDialog(parent, Qt::Tool), view_(view)
{
    setObjectName("Minimap");
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setWindowTitle("Minimap");
    setMinimumSize(kMinimumSize, kMinimumSize);
    // A whole 512 x 512 map, or as much as a small screen leaves room for.
    int size = kDefaultSize;
    if (const QScreen* current = view.screen()) {
        size = std::max(kMinimumSize, std::min(size, current->availableGeometry().height() / 2));
    }
    resize(size, size);
    Recenter();
}

QRect CMinimap::Outline() const
{
    const Rect outline = painter_.ViewOutline(view_.VisibleTileSpan());
    return QRect(outline.left, outline.top, outline.Width(), outline.Height());
}

void CMinimap::UpdateOutline(const QRect& outline)
{
    if (outline.isEmpty()) {
        return;
    }
    // The four edges only: the pixels inside are not touched by the outline.
    update(QRect(outline.left(), outline.top(), outline.width(), 1));
    update(QRect(outline.left(), outline.bottom(), outline.width(), 1));
    update(QRect(outline.left(), outline.top(), 1, outline.height()));
    update(QRect(outline.right(), outline.top(), 1, outline.height()));
}

void CMinimap::Recenter()
{
    painter_.Recenter(view_.VisibleTileSpan(), view_.CurrentFloor(), width(), height());
    outline_ = Outline();
    update();
}

void CMinimap::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Recenter();
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
    // The pixels already shown move along; only the strip that came in is painted, and the
    // outline where it was and where it is now.
    if (dx == 0 && dy == 0) {
        UpdateOutline(outline_);
    } else if (dx > -width() && dx < width() && dy > -height() && dy < height()) {
        scroll(dx, dy);
        UpdateOutline(outline_.translated(dx, dy));
    } else {
        update();
    }
    outline_ = Outline();
    UpdateOutline(outline_);
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
    painter.setClipRegion(region);
    painter.setPen(QColor::fromRgba(kOutlineColor));
    painter.setBrush(Qt::NoBrush);
    // A pen of one pixel draws right and bottom one pixel further: the rectangle is one smaller.
    painter.drawRect(outline_.adjusted(0, 0, -1, -1));
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
