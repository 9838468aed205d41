#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>

#include "app/QtPrinters.h"
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

namespace tessark::test {

// Answers the modal windows a test opens, in order: each new modal window goes to the next
// queued handler. Message boxes are recorded as they come.
class ModalScript final : public QObject {
public:
    struct SeenBox {
        QString text;
        QMessageBox::Icon icon;
        QString title;
        QString informative;
    };
    using Handler = std::function<void(QWidget*)>;

    ModalScript();

    ModalScript& Then(Handler handler);
    // The next modal window is a message box: record it and press the button.
    ModalScript& Press(QMessageBox::StandardButton button);
    // The next modal window is a message box answered with its default OK.
    ModalScript& PressOk() { return Press(QMessageBox::Ok); }

    size_t Pending() const { return handlers_.size(); }
    const std::vector<SeenBox>& Boxes() const { return boxes_; }
    // Modal windows that came when no handler was left; they are closed with Escape.
    int Unexpected() const { return unexpected_; }

private:
    void Poll();

    QTimer timer_;
    std::deque<Handler> handlers_;
    QPointer<QWidget> last_;
    std::vector<SeenBox> boxes_;
    int unexpected_ = 0;
};

}  // namespace tessark::test
