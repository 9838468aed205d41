#include "dialogs/FileNameEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <memory>
#include <string_view>

namespace tessark {

namespace {

// The text before its terminating zero, as the clipboard's text ends there.
QString UpToZero(const QString& text)
{
    const qsizetype zero = text.indexOf(QChar(0));
    return zero < 0 ? text : text.left(zero);
}

bool HoldsForbidden(const QString& text)
{
    for (QChar c : UpToZero(text)) {
        if (CFileNameEdit::IsForbidden(c)) {
            return true;
        }
    }
    return false;
}

}  // namespace

CFileNameEdit::CFileNameEdit(QWidget* parent) : QLineEdit(parent) {}

bool CFileNameEdit::IsForbidden(QChar c)
{
    return c.unicode() < 0x80 && std::string_view(kForbiddenCharacters).find(c.toLatin1()) != std::string_view::npos;
}

void CFileNameEdit::Refuse()
{
    QApplication::beep();
    emit PasteRefused();
}

bool CFileNameEdit::Paste()
{
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (clipboard == nullptr || !clipboard->hasText() || HoldsForbidden(clipboard->text())) {
        Refuse();
        return false;
    }
    paste();
    return true;
}

void CFileNameEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        if (!isReadOnly()) {
            Paste();
        }
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && HoldsForbidden(typed)) {
        QString kept;
        for (QChar c : typed) {
            if (!IsForbidden(c)) {
                kept += c;
            }
        }
        if (!kept.isEmpty() && !isReadOnly()) {
            insert(kept);
        }
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CFileNameEdit::contextMenuEvent(QContextMenuEvent* event)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this] { Paste(); });
        }
    }
    menu->exec(event->globalPos());
}

void CFileNameEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the X11 selection; it passes the same check.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        const QMimeData* selection = QGuiApplication::clipboard()->mimeData(QClipboard::Selection);
        if (selection == nullptr || !selection->hasText() || HoldsForbidden(selection->text())) {
            Refuse();
            event->accept();
            return;
        }
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CFileNameEdit::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasText() && HoldsForbidden(event->mimeData()->text())) {
        event->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

void CFileNameEdit::dropEvent(QDropEvent* event)
{
    if (event->mimeData()->hasText() && HoldsForbidden(event->mimeData()->text())) {
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);
}

}  // namespace tessark
