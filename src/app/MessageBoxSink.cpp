#include "app/MessageBoxSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "app/DisplayText.h"

namespace tessark {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

// A box shown in the middle of a long task gets the usual pointer, not the task's wait cursor.
class NormalCursor {
public:
    NormalCursor() : busy_(QApplication::overrideCursor() != nullptr)
    {
        if (busy_) {
            QApplication::setOverrideCursor(Qt::ArrowCursor);
        }
    }
    ~NormalCursor()
    {
        if (busy_) {
            QApplication::restoreOverrideCursor();
        }
    }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

private:
    bool busy_;
};

}  // namespace

void MessageBoxSink::ShowMessage(std::string_view text, MessageIcon icon)
{
    Ask({text, icon});
}

MessageAnswer MessageBoxSink::Ask(const MessageRequest& request)
{
    NormalCursor cursor;
    QMessageBox box(BoxIcon(request.icon), kTitle, ToDisplayText(request.text), QMessageBox::Ok, parent_.data());
    if (!request.detail.empty()) {
        box.setInformativeText(ToDisplayText(request.detail));
    }
    if (request.cancel) {
        box.addButton(QMessageBox::Cancel);
    }
    QPushButton* choice = nullptr;
    if (!request.choice.empty()) {
        choice = box.addButton(ToDisplayText(request.choice), QMessageBox::ActionRole);
    }
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(request.cancel ? box.button(QMessageBox::Cancel) : box.button(QMessageBox::Ok));
    box.exec();
    if (choice && box.clickedButton() == choice) {
        return MessageAnswer::Choice;
    }
    return box.clickedButton() == box.button(QMessageBox::Ok) ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

}  // namespace tessark
