#pragma once

#include <QDialog>
#include <cstdint>

#include "platform/Surface.h"
#include "render/MinimapPainter.h"

namespace tessark {

class CTessarkView;

// A small tool window showing the map around the view's visible area, one pixel per tile, on
// the view's floor. A click centres the view on the clicked tile.
class CMinimap final : public QDialog {
    Q_OBJECT
public:
    // About 126 x 126 dialog units.
    static constexpr int kClientWidth = 189;
    static constexpr int kClientHeight = 205;

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CTessarkView& view_;
    MinimapPainter painter_;
    Surface image_;
};

}  // namespace tessark
