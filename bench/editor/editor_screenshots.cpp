// Pictures of the running editor for the documentation: the main window on a map, the palette
// with a material open, and the minimap beside the window.
//
//   editor_screenshots DATA_DIR MAP OUT_DIR X Y
//   (run under xvfb-run -s "-screen 0 1600x1000x24")

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

#include "EditorSession.h"
#include "app/MainFrame.h"
#include "app/MaterialsBar.h"
#include "app/SpriteListCtrl.h"
#include "view/Minimap.h"
#include "view/TessarkView.h"

namespace {

bool Save(const QPixmap& picture, const QString& path)
{
    const bool saved = picture.save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 6) {
        std::fprintf(stderr, "usage: editor_screenshots DATA_DIR MAP OUT_DIR X Y\n");
        return 2;
    }
    tessark::bench::EditorSession session;
    if (!session.Start(args[1], args[2])) {
        return 1;
    }
    const QDir out(args[3]);
    const tessark::Position centre{args[4].toInt(), args[5].toInt(), 7};
    tessark::CMainFrame& frame = session.Frame();
    frame.showNormal();
    frame.move(0, 0);
    frame.resize(1280, 800);
    tessark::bench::Settle();
    tessark::CTessarkView& view = frame.View();
    view.CenterOn(centre);
    view.TrackCursor(QPoint(view.viewport()->width() / 2 + 40, view.viewport()->height() / 2 + 20));
    tessark::bench::Settle();
    bool ok = Save(frame.grab(), out.filePath("editor.png"));

    // The palette wide enough for its columns, on a material with pictures worth seeing.
    tessark::CMyBar& bar = frame.MaterialsBar();
    frame.resizeDocks({&bar}, {330}, Qt::Horizontal);
    const int material = std::max(0, bar.MaterialBox().findText("Walls", Qt::MatchContains));
    bar.MaterialBox().setCurrentIndex(material);
    emit bar.MaterialBox().activated(material);
    bar.Palette().setCurrentIndex(bar.Palette().model()->index(2, 0));
    tessark::bench::Settle();
    ok = Save(frame.grab(), out.filePath("editor-palette.png")) && ok;

    // The minimap is a window of its own: the screen shows both.
    view.ShowMinimap();
    tessark::CMinimap* minimap = view.Minimap();
    minimap->move(frame.geometry().right() - minimap->width() - 30, frame.geometry().top() + 90);
    tessark::bench::Settle();
    QPixmap screen = QApplication::primaryScreen()->grabWindow(0);
    if (QApplication::platformName() != "xcb") {
        // Without a window system the windows are put together here.
        screen = QPixmap(frame.frameGeometry().size());
        screen.fill(Qt::black);
        QPainter painter(&screen);
        painter.drawPixmap(0, 0, frame.grab());
        painter.drawPixmap(minimap->pos() - frame.pos(), minimap->grab());
    }
    ok = Save(screen.copy(frame.frameGeometry().united(minimap->frameGeometry())), out.filePath("editor-minimap.png")) &&
         ok;
    return ok ? 0 : 1;
}
