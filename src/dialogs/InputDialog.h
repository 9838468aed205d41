#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;

namespace tessark {

// "Jump to": one number field, OK and Cancel. OK takes the number only when it lies within the
// range; otherwise a warning says so and the dialog stays open on the field.
class CInputDialog final : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kTitle = "Jump to";

    CInputDialog(int value, int minimum, int maximum, QWidget* parent = nullptr);

    // The accepted number (the initial one until OK took another).
    int Value() const { return value_; }
    QLineEdit& Field() const { return *field_; }

    void accept() override;

private:
    // The field's number, or none after a warning.
    std::optional<int> Exchange();

    QLineEdit* field_;
    int value_;
    int minimum_;
    int maximum_;
};

}  // namespace tessark
