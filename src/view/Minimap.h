#pragma once

#include <QDialog>
#include <QRect>
#include <QRgb>
#include <cstdint>

#include "platform/Surface.h"
#include "render/MinimapPainter.h"

namespace tessark {

class CTessarkView;

// A tool window titled "Minimap" showing the map around the view's visible area, one pixel per
// tile, on the view's floor, with the visible area outlined. A click centres the view on the
// clicked tile. It opens large enough for a whole 512 x 512 map and can be resized.
class CMinimap final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDefaultSize = 512;
    static constexpr int kMinimumSize = 128;
    // The outline of the view's visible area.
    static constexpr QRgb kOutlineColor = 0xFFFFFF40;

    CMinimap(CTessarkView& view, QWidget* parent = nullptr);

    // Centres on the view's visible area and takes its floor, then repaints.
    void Recenter();
    void InvalidateTile(int32_t x, int32_t y, int32_t z);
    void InvalidateAll();
    // The view scrolled: the pixels move by the change of the centred origin and only the strip
    // that came in is painted.
    void OnViewScrolled();

    int OriginX() const { return painter_.originX; }
    int OriginY() const { return painter_.originY; }
    int Floor() const { return painter_.floor; }
    // The outlined rectangle, in the window's pixels.
    QRect Outline() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Repaints the pixels under an outline drawn there.
    void UpdateOutline(const QRect& outline);

    CTessarkView& view_;
    MinimapPainter painter_;
    Surface image_;
    QRect outline_;
};

}  // namespace tessark
