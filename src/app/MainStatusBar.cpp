#include "app/MainStatusBar.h"

#include <QLabel>
#include <algorithm>

namespace tessark {

CMainStatusBar::CMainStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName("StatusBar");
    messagePane_ = new QLabel(this);
    messagePane_->setIndent(2);
    addWidget(messagePane_, 1);
    static const char* const kLabels[] = {"x:", "y:", "z:"};
    // 40 pixels held "x: 65535" in the font the panes were made for; wider fonts get the room
    // they need, so that no coordinate is cut.
    const int paneWidth =
        std::max(kCoordinatePaneWidth, fontMetrics().horizontalAdvance(QStringLiteral("x: 65535")) + 8);
    for (int i = 0; i < 3; ++i) {
        coordinatePanes_[i] = new QLabel(kLabels[i], this);
        coordinatePanes_[i]->setFixedWidth(paneWidth);
        coordinatePanes_[i]->setFrameShape(QFrame::Panel);
        coordinatePanes_[i]->setFrameShadow(QFrame::Sunken);
        addPermanentWidget(coordinatePanes_[i]);
    }
    // Help texts of menus and buttons are temporary messages; their end is an idle moment.
    connect(this, &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty()) {
            ShowIdleText();
        }
    });
    ShowIdleText();
}

void CMainStatusBar::SetCursorPosition(int x, int y, int z)
{
    coordinatePanes_[0]->setText(QString::asprintf("x: %d", x));
    coordinatePanes_[1]->setText(QString::asprintf("y: %d", y));
    coordinatePanes_[2]->setText(QString::asprintf("z: %d", z));
}

void CMainStatusBar::SetProgress(int percent)
{
    const QString done = QString::asprintf("%d%% done.", percent);
    messagePane_->setText(taskText_.isEmpty() ? done : taskText_ + " " + done);
}

void CMainStatusBar::BeginTask(const QString& text)
{
    taskText_ = text;
    clearMessage();
    messagePane_->setText(text);
    // Shown now: the task itself keeps the window from painting until its first progress.
    messagePane_->repaint();
}

void CMainStatusBar::EndTask()
{
    taskText_.clear();
    ShowIdleText();
}

void CMainStatusBar::SetStatusText(const QString& text)
{
    statusText_ = text;
    messagePane_->setText(text.isEmpty() ? QString(kIdleText) : text);
}

void CMainStatusBar::ShowIdleText()
{
    messagePane_->setText(statusText_.isEmpty() ? QString(kIdleText) : statusText_);
}

QString CMainStatusBar::PaneText(int pane) const
{
    if (pane == 0) {
        return currentMessage().isEmpty() ? messagePane_->text() : currentMessage();
    }
    return pane >= 1 && pane <= 3 ? coordinatePanes_[pane - 1]->text() : QString();
}

}  // namespace tessark
