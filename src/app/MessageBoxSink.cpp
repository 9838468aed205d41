#include "app/MessageBoxSink.h"

#include <QMessageBox>

#include "app/DisplayText.h"

namespace tessark {

void MessageBoxSink::ShowMessage(std::string_view text, MessageIcon icon)
{
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    if (icon == MessageIcon::Error) {
        boxIcon = QMessageBox::Critical;
    } else if (icon == MessageIcon::Warning) {
        boxIcon = QMessageBox::Warning;
    }
    QMessageBox box(boxIcon, kTitle, ToDisplayText(text), QMessageBox::Ok, parent_.data());
    box.exec();
}

}  // namespace tessark
