#pragma once

#include <QObject>
#include <QPointer>

#include "model/Position.h"

namespace tessark {

class CCheckMapDialog;
class CTessarkView;
class CommandTable;

// "Verify map...": shows the verify-map window, made on first use, and jumps the view to the
// tile of a line double-clicked there.
class VerifyMapCommand final : public QObject {
    Q_OBJECT
public:
    VerifyMapCommand(CommandTable& commands, CTessarkView& view, QWidget& window);

    void Show();
    // Null until shown, and again after the window was closed.
    CCheckMapDialog* Window() const;
    // The select tool, no tile selected, the topmost thing there chosen, the view centred on
    // the tile and focused.
    void JumpTo(const Position& position);

private:
    CTessarkView& view_;
    QWidget& window_;
    QPointer<CCheckMapDialog> dialog_;
};

}  // namespace tessark
