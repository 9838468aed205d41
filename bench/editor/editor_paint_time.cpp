// Paint times of the running editor: the map view's client area is made 1920 x 1080, the view
// scrolls by one line step and then repaints in full, at zoom 1.0, 0.5 and 0.25. Also the time of
// the strip that a scroll alone repaints, and the heap allocations (operator new) of a full
// repaint. Prints medians in milliseconds.
//
//   editor_paint_time DATA_DIR MAP [REPEATS]   (settings go to a scratch home)
//   (run under xvfb-run -s "-screen 0 2560x1600x24" for a real window, or QT_QPA_PLATFORM=offscreen)

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>
#include <vector>

#include "EditorSession.h"
#include "app/MainFrame.h"
#include "model/TessarkDoc.h"
#include "view/TessarkView.h"

namespace {

std::atomic<long> g_allocations{0};

}  // namespace

// Every operator new of the program, Qt's included, counted.
void* operator new(std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

// CPU time of this thread: on a shared machine the wall time of a repaint says more about the
// other programs than about the paint.
double ThreadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: editor_paint_time DATA_DIR MAP [REPEATS]\n");
        return 2;
    }
    const int repeats = args.size() > 3 ? args[3].toInt() : 20;
    tessark::bench::EditorSession session;
    if (!session.Start(args[1], args[2])) {
        return 1;
    }
    session.SetViewSize(1920, 1080);
    tessark::CTessarkView& view = session.Frame().View();
    const tessark::CTessarkDoc& document = *session.App().Document();
    std::printf("map %d x %d, view %d x %d, platform %s\n", document.width, document.height,
                view.viewport()->width(), view.viewport()->height(), qPrintable(QApplication::platformName()));

    for (const float zoom : {1.0f, 0.5f, 0.25f}) {
        // The map's remembered zoom may be any: set it, which also stops the animation below 1.0.
        view.SetZoom(zoom);
        view.CenterOn({document.width / 2, document.height / 2, 7});
        tessark::bench::Settle();
        QScrollBar* horizontal = view.horizontalScrollBar();
        std::vector<double> full;
        std::vector<double> fullWall;
        std::vector<double> fullCpu;
        std::vector<double> strip;
        std::vector<double> drawing;
        std::vector<double> allocations;
        for (int i = 0; i < repeats; ++i) {
            const int step = (i % 2 == 0) ? 32 : -32;
            horizontal->setValue(horizontal->value() + step);
            QApplication::processEvents();  // the scroll's own strip
            strip.push_back(view.LastPaintMilliseconds());
            QElapsedTimer wall;
            const long allocated = g_allocations.load();
            const double cpu = ThreadCpuMilliseconds();
            wall.start();
            view.viewport()->repaint();
            fullWall.push_back(static_cast<double>(wall.nsecsElapsed()) / 1e6);
            fullCpu.push_back(ThreadCpuMilliseconds() - cpu);
            full.push_back(view.LastPaintMilliseconds());
            allocations.push_back(static_cast<double>(g_allocations.load() - allocated));
            wall.restart();
            view.DrawArea(view.viewport()->rect());
            drawing.push_back(static_cast<double>(wall.nsecsElapsed()) / 1e6);
        }
        std::printf("zoom %.2f: full repaint %.1f ms (CPU %.1f ms, paint event %.1f ms, map drawing alone "
                    "%.1f ms), scrolled strip %.2f ms, %.0f allocations a full repaint, median of %d\n",
                    zoom, Median(fullWall), Median(fullCpu), Median(full), Median(drawing), Median(strip),
                    Median(allocations), repeats);
    }
    return 0;
}
