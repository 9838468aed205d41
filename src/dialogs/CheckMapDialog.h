#pragma once

#include <QDialog>
#include <vector>

#include "model/Position.h"

namespace tessark {

class CHListBox;
class CTessarkDoc;

// "Verify map": lists the tiles that hold two always-on-top items of one top order above 1.
// Modeless; it deletes itself when closed. Double-clicking a line asks to jump to its tile.
class CCheckMapDialog final : public QDialog {
    Q_OBJECT
public:
    explicit CCheckMapDialog(const CTessarkDoc& document, QWidget* parent = nullptr);

    // "Check": the list anew.
    void Check();
    CHListBox& List() const { return *list_; }

signals:
    void JumpRequested(const Position& position);

private:
    void LineDoubleClicked();

    const CTessarkDoc& document_;
    CHListBox* list_;
    // The position of each line of the list.
    std::vector<Position> positions_;
};

}  // namespace tessark
