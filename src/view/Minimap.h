#pragma once

#include <QDialog>
#include <cstdint>

#include "platform/Surface.h"

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

    int64_t OriginX() const { return originX_; }
    int64_t OriginY() const { return originY_; }
    int Floor() const { return floor_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Origin {
        int64_t x;
        int64_t y;
    };
    Origin CenteredOrigin() const;

    CTessarkView& view_;
    int64_t originX_ = 0;
    int64_t originY_ = 0;
    int floor_ = 7;
    Surface image_;
};

}  // namespace tessark
