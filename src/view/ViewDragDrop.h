#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class QDragEnterEvent;
class QDragLeaveEvent;
class QDragMoveEvent;
class QDropEvent;
class QMouseEvent;
class QPainter;
class QRubberBand;

namespace tessark {

class CTessarkView;

// The map view's two tracking modes: the selection tool's rubber band and the move tool's drag
// and drop of tiles (the TESSARK_TILE bytes and the drag offset, between views of this and of
// other running editors). It moves bytes between the engine's TileDrag and Qt's drag and drop
// and draws the drop feedback; the rules are the engine's. The animation timer rests while
// either runs.
class ViewDragDrop final : public QObject {
    Q_OBJECT
public:
    explicit ViewDragDrop(CTessarkView& view);
    ~ViewDragDrop() override;

    // Rubber band from the window point where the left button went down.
    void StartRubberBand(QPoint origin);
    bool RubberBandActive() const { return rubberBand_ != nullptr; }
    // While the band runs, mouse moves and the release belong to it: true when used.
    bool RubberBandMove(QMouseEvent* event);
    bool RubberBandRelease(QMouseEvent* event);

    // Drags the selection (the press was at the window point); returns when the drag ended.
    void StartDrag(QPoint pressPoint);

    void DragEnter(QDragEnterEvent* event);
    void DragMove(QDragMoveEvent* event);
    void DragLeave(QDragLeaveEvent* event);
    void Drop(QDropEvent* event);
    // The dotted drop feedback, drawn by inverting what is under it.
    void PaintFeedback(QPainter& painter) const;
    const QRect& FeedbackRect() const { return feedback_; }

private:
    void PauseAnimation();
    void ResumeAnimation();
    void SetFeedback(const QRect& rect);

    CTessarkView& view_;
    QRubberBand* rubberBand_ = nullptr;
    QPoint bandOrigin_;
    bool animationWasRunning_ = false;
    QRect feedback_;
};

}  // namespace tessark
