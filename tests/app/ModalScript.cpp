#include "app/ModalScript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

namespace tessark::test {

ModalScript::ModalScript()
{
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalScript::Poll);
    timer_.start();
}

ModalScript& ModalScript::Then(Handler handler)
{
    handlers_.push_back(std::move(handler));
    return *this;
}

ModalScript& ModalScript::Press(QMessageBox::StandardButton button)
{
    return Then([this, button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QAbstractButton* pressed = box ? box->button(button) : nullptr;
        if (box) {
            boxes_.push_back({box->text(), box->icon(), box->windowTitle(), box->informativeText()});
        }
        if (pressed) {
            pressed->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
    });
}

void ModalScript::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == last_.data()) {
        return;
    }
    last_ = modal;
    if (handlers_.empty()) {
        ++unexpected_;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
        return;
    }
    Handler handler = std::move(handlers_.front());
    handlers_.pop_front();
    handler(modal);
}

}  // namespace tessark::test
