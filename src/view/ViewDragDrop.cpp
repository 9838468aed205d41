#include "view/ViewDragDrop.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <span>

#include "edit/ClipboardFormat.h"
#include "edit/TileDrag.h"
#include "view/TessarkView.h"
#include "view/ViewToolInput.h"

namespace tessark {
namespace {

std::span<const uint8_t> Bytes(const QByteArray& data)
{
    return {reinterpret_cast<const uint8_t*>(data.constData()), static_cast<size_t>(data.size())};
}

DropEffect EffectOf(Qt::DropAction action)
{
    switch (action) {
    case Qt::MoveAction:
        return DropEffect::Move;
    case Qt::CopyAction:
        return DropEffect::Copy;
    default:
        return DropEffect::None;
    }
}

// The outline of a rectangle, one pixel wide, for repainting only the frame.
QRegion Frame(const QRect& rect)
{
    if (rect.isEmpty()) {
        return {};
    }
    QRegion frame(rect.adjusted(-1, -1, 1, 1));
    return frame.subtracted(QRegion(rect.adjusted(1, 1, -1, -1)));
}

}  // namespace

ViewDragDrop::ViewDragDrop(CTessarkView& view) : QObject(&view), view_(view)
{
    view_.viewport()->setAcceptDrops(true);
}

ViewDragDrop::~ViewDragDrop() = default;

void ViewDragDrop::PauseAnimation()
{
    animationWasRunning_ = view_.IsAnimationTimerActive();
    view_.SetAnimationTimerRunning(false);
}

void ViewDragDrop::ResumeAnimation()
{
    if (animationWasRunning_) {
        view_.SetAnimationTimerRunning(true);
    }
    animationWasRunning_ = false;
}

// --- Rubber band ---------------------------------------------------------------------------

void ViewDragDrop::StartRubberBand(QPoint origin)
{
    if (rubberBand_) {
        return;
    }
    PauseAnimation();
    bandOrigin_ = origin;
    rubberBand_ = new QRubberBand(QRubberBand::Rectangle, view_.viewport());
    rubberBand_->setObjectName("SelectionRubberBand");
    rubberBand_->setGeometry(QRect(origin, QSize()));
    rubberBand_->show();
}

bool ViewDragDrop::RubberBandMove(QMouseEvent* event)
{
    if (!rubberBand_) {
        return false;
    }
    rubberBand_->setGeometry(QRect(bandOrigin_, event->position().toPoint()).normalized());
    view_.TrackCursor(event->position().toPoint());
    return true;
}

bool ViewDragDrop::RubberBandRelease(QMouseEvent* event)
{
    if (!rubberBand_ || event->button() != Qt::LeftButton) {
        return rubberBand_ != nullptr;
    }
    const QRect rect = QRect(bandOrigin_, event->position().toPoint()).normalized();
    delete rubberBand_;
    rubberBand_ = nullptr;
    if (!rect.isEmpty()) {
        view_.ToolInput().SelectRect(rect, event->modifiers());
    }
    ResumeAnimation();
    // The tool hears the button go up as always (it lets the mouse go).
    view_.ToolInput().Release(event);
    return true;
}

// --- Drag and drop -------------------------------------------------------------------------

void ViewDragDrop::StartDrag(QPoint pressPoint)
{
    TileDrag& tiles = view_.ToolInput().Controller().Drag();
    PauseAnimation();
    const Point offset = TileDrag::DragOffset(view_.ToolInput().Controller().Context(), view_.Geometry(),
                                              view_.ScrollPosition(), {pressPoint.x(), pressPoint.y()});
    const std::vector<uint8_t> bytes = tiles.Start(offset);
    auto* data = new QMimeData;
    data->setData(kTileMimeType, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                            static_cast<qsizetype>(bytes.size())));
    auto* drag = new QDrag(&view_);
    drag->setMimeData(data);
    const Qt::DropAction result = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    view_.ToolInput().FinishDrag(EffectOf(result));
    ResumeAnimation();
}

void ViewDragDrop::DragEnter(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (!data || !data->hasFormat(kTileMimeType) ||
        !view_.ToolInput().Controller().Drag().Enter(Bytes(data->data(kTileMimeType)))) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void ViewDragDrop::DragMove(QDragMoveEvent* event)
{
    const TileDrag& tiles = view_.ToolInput().Controller().Drag();
    // Another kind of drag (a map file for the window): left as the window answered it.
    if (!tiles.Entered()) {
        return;
    }
    const QPoint point = event->position().toPoint();
    view_.TrackCursor(point);
    const DropEffect effect = tiles.Over(event->modifiers().testFlag(Qt::ControlModifier));
    if (effect == DropEffect::None) {
        SetFeedback({});
        event->ignore();
        return;
    }
    const Rect rect = tiles.Feedback({point.x(), point.y()}, view_.Geometry().TilePixels());
    SetFeedback(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
    event->setDropAction(effect == DropEffect::Copy ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
}

void ViewDragDrop::DragLeave(QDragLeaveEvent*)
{
    SetFeedback({});
    view_.ToolInput().Controller().Drag().Leave();
}

void ViewDragDrop::Drop(QDropEvent* event)
{
    if (!view_.ToolInput().Controller().Drag().Entered()) {
        event->ignore();  // on to the window
        return;
    }
    SetFeedback({});
    view_.TrackCursor(event->position().toPoint());
    const DropEffect effect =
        view_.ToolInput().Controller().Drag().Over(event->modifiers().testFlag(Qt::ControlModifier));
    if (effect == DropEffect::None) {
        view_.ToolInput().Controller().Drag().Leave();
        event->ignore();
        return;
    }
    event->setDropAction(effect == DropEffect::Copy ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
    view_.ToolInput().DropTiles(effect);
}

void ViewDragDrop::SetFeedback(const QRect& rect)
{
    if (rect == feedback_) {
        return;
    }
    view_.viewport()->update(Frame(feedback_));
    feedback_ = rect;
    view_.viewport()->update(Frame(feedback_));
}

void ViewDragDrop::PaintFeedback(QPainter& painter) const
{
    if (feedback_.isEmpty()) {
        return;
    }
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(feedback_.adjusted(0, 0, -1, -1));
    painter.restore();
}

}  // namespace tessark
