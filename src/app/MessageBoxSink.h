#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/MessageSink.h"

namespace tessark {

// The engine's messages as modal message boxes titled "Tessark", with the icon the engine asks
// for, an OK button (and Cancel or another choice when asked) and the detail as the box's
// informative text. Before the main window exists the boxes have no parent.
class MessageBoxSink final : public MessageSink {
public:
    static constexpr const char* kTitle = "Tessark";

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    MessageAnswer Ask(const MessageRequest& request) override;
    void SetParent(QWidget* parent) { parent_ = parent; }

private:
    QPointer<QWidget> parent_;
};

}  // namespace tessark
