// Copy and paste of a 256 x 256 block in the running editor. The block is built on the demo
// world first: every tile a ground and three items on it. The selection tool selects it, Ctrl+C
// puts it on the system clipboard (the time includes writing the bytes and handing them to the
// clipboard), and Ctrl+V pastes it 256 tiles further right (the time includes reading the bytes
// back from the clipboard, placing the tiles and repainting the view). Prints the median and
// worst of several rounds and the bytes on the clipboard.
//
//   editor_clipboard_time DATA_DIR MAP [ROUNDS]
//   (under xvfb-run for a real window and X11 clipboard, or QT_QPA_PLATFORM=offscreen)

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMimeData>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "EditorSession.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/MainFrame.h"
#include "data/ItemDatabase.h"
#include "edit/ClipboardFormat.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "view/TessarkView.h"
#include "view/ViewToolInput.h"

namespace {

using namespace tessark;

constexpr int kSide = 256;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

double Worst(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

// A ground and three plain items (neither always on top nor hanging), by key.
std::vector<int32_t> BlockTypes(const ItemDatabase& database)
{
    std::vector<int32_t> ground;
    std::vector<int32_t> items;
    for (const auto& [key, type] : database.ServerTypes()) {
        if (type.group == ItemGroup::Ground && ground.empty()) {
            ground.push_back(key);
        } else if (type.group == ItemGroup::None && !type.alwaysOnTop && !type.hangeable && items.size() < 3) {
            items.push_back(key);
        }
    }
    ground.insert(ground.end(), items.begin(), items.end());
    return ground;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: editor_clipboard_time DATA_DIR MAP [ROUNDS]\n");
        return 2;
    }
    const int rounds = args.size() > 3 ? args[3].toInt() : 5;
    bench::EditorSession session;
    if (!session.Start(args[1], args[2])) {
        return 1;
    }
    session.SetViewSize(1920, 1080);
    CMainFrame& frame = session.Frame();
    CTessarkView& view = frame.View();
    CTessarkDoc& document = *session.App().Document();
    const std::vector<int32_t> types = BlockTypes(document.Database());
    if (types.size() != 4) {
        std::fprintf(stderr, "the data lacks a ground or three plain item types\n");
        return 1;
    }
    // Room for the block and its copy to the right.
    document.width = std::max(document.width, 2 * kSide + 3 * CTessarkDoc::kBorder);
    document.height = std::max(document.height, kSide + 3 * CTessarkDoc::kBorder);
    const int left = CTessarkDoc::kBorder;
    const int top = CTessarkDoc::kBorder;
    for (int y = top; y < top + kSide; ++y) {
        for (int x = left; x < left + kSide; ++x) {
            document.RemoveTile(x, y, 7);
            for (int32_t key : types) {
                document.AddThing(CreateThing(document.Database(), key, 0), x, y, 7, false);
            }
        }
    }
    view.UpdateMapScrollSizes();
    view.setFocus();
    bench::Settle();

    ToolController& tools = view.ToolInput().Controller();
    std::vector<double> copy;
    std::vector<double> paste;
    qsizetype bytes = 0;
    for (int round = 0; round < rounds; ++round) {
        frame.Commands().Trigger(command::SelectionTool);
        Selection& selection = tools.Context().GetSelection();
        selection.Clear();
        for (int y = top; y < top + kSide; ++y) {
            for (int x = left; x < left + kSide; ++x) {
                selection.Add(document, {x, y, 7});
            }
        }
        view.ToolInput().StateChanged();
        QElapsedTimer timer;
        timer.start();
        frame.Commands().Trigger(command::Copy);
        copy.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        const QMimeData* data = QApplication::clipboard()->mimeData();
        bytes = data ? data->data(kTileMimeType).size() : 0;

        tools.MouseMove({left + kSide + CTessarkDoc::kBorder, top, 7}, false, {});
        view.ToolInput().StateChanged();
        timer.restart();
        frame.Commands().Trigger(command::Paste);
        QApplication::processEvents();
        paste.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    const CTile* pasted = document.GetTile(left + kSide + CTessarkDoc::kBorder + kSide - 1, top + kSide - 1, 7);
    std::printf("platform %s, block %d x %d tiles, a ground and three items each, %d rounds\n",
                qPrintable(QApplication::platformName()), kSide, kSide, rounds);
    std::printf("copy:  %.1f ms median, %.1f ms worst; %lld bytes on the clipboard (%.1f per tile)\n",
                Median(copy), Worst(copy), static_cast<long long>(bytes),
                static_cast<double>(bytes) / (kSide * kSide));
    std::printf("paste: %.1f ms median, %.1f ms worst (read, place, select, repaint)\n", Median(paste),
                Worst(paste));
    std::printf("last pasted tile holds %zu things; %zu tiles selected\n", pasted ? pasted->GetThingCount() : 0,
                tools.Context().GetSelection().Size());
    return 0;
}
