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

ModalScript::~ModalScript()
{
    timer_.stop();
}

ModalScript& ModalScript::Then(Handler handler)
{
    handlers_.push_back(std::move(handler));
    return *this;
}

ModalScript& ModalScript::Press(QMessageBox::StandardButton button)
{
    return Then([this, button](QWidget* modal) { PressButton(modal, button, &boxes_); });
}

ModalScript& ModalScript::PressOk(int count)
{
    for (int i = 0; i < count; ++i) {
        Press(QMessageBox::Ok);
    }
    return *this;
}

ModalScript& ModalScript::PressNamed(const QString& text)
{
    return Then([this, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        for (QAbstractButton* button : box ? box->buttons() : QList<QAbstractButton*>()) {
            if (button->text() == text) {
                Record(*box, &boxes_);
                button->click();
                return;
            }
        }
        PressButton(modal, QMessageBox::NoButton, &boxes_);
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

void Record(const QMessageBox& box, std::vector<ModalScript::SeenBox>* seen)
{
    if (seen == nullptr) {
        return;
    }
    QStringList buttons;
    for (QAbstractButton* button : box.buttons()) {
        buttons << button->text();
    }
    seen->push_back({box.text(), box.icon(), box.windowTitle(), box.informativeText(), buttons});
}

void PressButton(QWidget* modal, QMessageBox::StandardButton button, std::vector<ModalScript::SeenBox>* seen)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) {
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
        return;
    }
    Record(*box, seen);
    if (QAbstractButton* pressed = box->button(button)) {
        pressed->click();
    } else {
        box->reject();
    }
}

}  // namespace tessark::test
