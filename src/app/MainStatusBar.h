#pragma once

#include <QStatusBar>
#include <QString>

class QLabel;

namespace tessark {

// Four panes: the message pane (stretching) and x, y, z of the cursor tile, 40 pixels each or as
// wide as the font needs for "x: 65535".
// Menu and toolbar help shows over the message pane while it lasts; whenever the idle text
// "Ready" would come back, the last status text shows instead when there is one.
class CMainStatusBar final : public QStatusBar {
    Q_OBJECT
public:
    static constexpr const char* kIdleText = "Ready";
    static constexpr int kCoordinatePaneWidth = 40;

    explicit CMainStatusBar(QWidget* parent = nullptr);

    void SetCursorPosition(int x, int y, int z);
    // "%d%% done." until the next idle moment, after the running task's text when there is one.
    void SetProgress(int percent);
    // A long task names itself ("Opening demo.qzbm...") until it ends.
    void BeginTask(const QString& text);
    void EndTask();
    // Shown now and at every idle moment; an empty text brings "Ready" back.
    void SetStatusText(const QString& text);
    const QString& StatusText() const { return statusText_; }

    // What a pane shows: 0 the message pane, 1 to 3 x, y, z.
    QString PaneText(int pane) const;
    void ShowIdleText();

private:
    QLabel* messagePane_;
    QLabel* coordinatePanes_[3];
    QString statusText_;
    QString taskText_;
};

}  // namespace tessark
