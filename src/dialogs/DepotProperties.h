#pragma once

#include <QDialog>

namespace tessark {

class DepotPropertiesEditor;
class NumberSpinEdit;

// "Depot properties": the depot id, 1 to 100. OK hands it to the engine's editor; a refused
// value shows its warning and the dialog stays open.
class CDepotProperties final : public QDialog {
    Q_OBJECT
public:
    explicit CDepotProperties(DepotPropertiesEditor& editor, QWidget* parent = nullptr);

    NumberSpinEdit& DepotIdEdit() const { return *depotId_; }

    void accept() override;

private:
    DepotPropertiesEditor& editor_;
    NumberSpinEdit* depotId_;
};

}  // namespace tessark
