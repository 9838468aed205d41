// A paint stroke in the running editor: the paint brush at 9x9 with a ground type, dragged one
// tile at a time across the demo world at zoom 1.0. Each step is one mouse move with the left
// button held: the tool stamps 81 grounds, and the view repaints the changed area (and the
// cursor frames) before the next move. Prints the median and worst time per step, split into
// the input handling and the repaint, and the size of the repainted area.
//
//   editor_stamp_time DATA_DIR MAP [STEPS [PICTURE.png]]
//   (run under xvfb-run -s "-screen 0 2560x1600x24" for a real window, or QT_QPA_PLATFORM=offscreen)

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "EditorSession.h"
#include "app/CommandTable.h"
#include "app/MainFrame.h"
#include "data/ItemDatabase.h"
#include "edit/BrushSize.h"
#include "edit/EditCommandIds.h"
#include "model/TessarkDoc.h"
#include "view/Minimap.h"
#include "view/TessarkView.h"

namespace {

using namespace tessark;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

double Worst(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

// Adds up what the viewport paints.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            for (const QRect& rect : static_cast<QPaintEvent*>(event)->region()) {
                pixels += int64_t{rect.width()} * rect.height();
            }
        }
        return false;
    }
    int paints = 0;
    int64_t pixels = 0;
};

int32_t FirstGround(const ItemDatabase& database)
{
    for (const auto& [key, type] : database.ServerTypes()) {
        if (type.group == ItemGroup::Ground) {
            return key;
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: editor_stamp_time DATA_DIR MAP [STEPS [PICTURE.png]]\n");
        return 2;
    }
    const int steps = args.size() > 3 ? args[3].toInt() : 200;
    bench::EditorSession session;
    if (!session.Start(args[1], args[2])) {
        return 1;
    }
    session.SetViewSize(1920, 1080);
    CMainFrame& frame = session.Frame();
    CTessarkView& view = frame.View();
    CTessarkDoc& document = *session.App().Document();
    const int32_t ground = FirstGround(document.Database());
    if (ground < 0) {
        std::fprintf(stderr, "the data has no ground type\n");
        return 1;
    }
    frame.OnBrushTypeChosen(ground);
    frame.Commands().Trigger(BrushSize::BrushCommand(BrushSize::kMaxRadius));
    view.ShowMinimap();
    view.CenterOn({document.width / 2, document.height / 2, 7});
    view.setFocus();
    bench::Settle();

    const TileSpan span = view.VisibleTileSpan();
    const int row = (span.firstRow + span.lastRow) / 2;
    const int first = span.firstColumn + 8;
    const int last = span.lastColumn - 8;
    auto pointOf = [&](int column) {
        const Rect tile = *view.Geometry().TileRect(column, row, view.CurrentFloor());
        const Rect client = view.Geometry().DrawingToClient(tile, view.ScrollPosition());
        return QPoint((client.left + client.right) / 2, (client.top + client.bottom) / 2);
    };
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &event);
    };

    PaintCounter counter(*view.viewport());
    std::vector<double> input;
    std::vector<double> repaint;
    std::vector<double> total;
    int column = first;
    int direction = 1;
    send(QEvent::MouseMove, pointOf(column), Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, pointOf(column), Qt::LeftButton, Qt::LeftButton);
    QApplication::processEvents();
    const int paintsBefore = counter.paints;
    const int64_t pixelsBefore = counter.pixels;
    for (int i = 0; i < steps; ++i) {
        if (column + direction > last || column + direction < first) {
            direction = -direction;
        }
        column += direction;
        const QPoint at = pointOf(column);
        QElapsedTimer timer;
        timer.start();
        send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        const qint64 handled = timer.nsecsElapsed();
        QApplication::processEvents();  // the repaint of what the stamp changed
        const qint64 done = timer.nsecsElapsed();
        input.push_back(static_cast<double>(handled) / 1e6);
        repaint.push_back(static_cast<double>(done - handled) / 1e6);
        total.push_back(static_cast<double>(done) / 1e6);
    }
    send(QEvent::MouseButtonRelease, pointOf(column), Qt::LeftButton, Qt::NoButton);
    const int paints = counter.paints - paintsBefore;
    const double pixelsPerPaint =
        paints > 0 ? static_cast<double>(counter.pixels - pixelsBefore) / paints : 0.0;

    std::printf("map %d x %d, view %d x %d, platform %s, ground key %d, %d steps\n", document.width,
                document.height, view.viewport()->width(), view.viewport()->height(),
                qPrintable(QApplication::platformName()), ground, steps);
    std::printf("9x9 ground stamp: %.2f ms median, %.2f ms worst (input and stamp %.2f ms, repaint %.2f ms)\n",
                Median(total), Worst(total), Median(input), Median(repaint));
    std::printf("repainted per step: %.0f pixels (%.1f%% of the view), %d paints in %d steps\n", pixelsPerPaint,
                100.0 * pixelsPerPaint / (view.viewport()->width() * view.viewport()->height()), paints, steps);
    std::printf("map modified: %s, title \"%s\"\n", document.IsModified() ? "yes" : "no",
                qPrintable(frame.windowTitle()));
    if (args.size() > 4) {
        // The stroke with the brush preview and cursor frame beside it.
        send(QEvent::MouseMove, pointOf(column - 12 * direction), Qt::NoButton, Qt::NoButton);
        bench::Settle();
        const QPoint origin = view.viewport()->mapToGlobal(QPoint(0, 0));
        const bool saved = QApplication::primaryScreen()
                               ->grabWindow(0, origin.x(), origin.y(), view.viewport()->width(),
                                            view.viewport()->height())
                               .save(args[4]);
        std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(args[4]));
    }
    return 0;
}
