#pragma once

#include <QDialog>

#include "edit/ItemPropertiesEditor.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;

namespace tessark {

class NumberSpinEdit;

// "Properties" of a placed item: count, action id and unique id, and either the teleport
// destination, the door id or the text, as the engine's editor says. OK hands the fields to the
// editor; a refused value shows its warning and the dialog stays open on that field.
class CPropertiesDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CPropertiesDlg(ItemPropertiesEditor& editor, QWidget* parent = nullptr);

    NumberSpinEdit& Edit(PropertiesField field) const;
    QPlainTextEdit& TextEdit() const { return *text_; }
    QGroupBox& TeleportGroup() const { return *teleport_; }

    void accept() override;

private:
    NumberSpinEdit* AddNumber(PropertiesField field, const std::optional<int64_t>& value);
    ItemPropertiesForm Entered() const;

    ItemPropertiesEditor& editor_;
    NumberSpinEdit* numbers_[8] = {};
    QLabel* doorLabel_;
    QLabel* textLabel_;
    QPlainTextEdit* text_;
    QGroupBox* teleport_;
};

}  // namespace tessark
