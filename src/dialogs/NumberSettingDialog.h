#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

namespace tessark {

class NumberSetting;
class NumberSpinEdit;

// A dialog of one number in a "Settings" group, with OK and Cancel. OK hands the field to the
// engine's check; a refused value shows its warning and the dialog stays open on the field.
class NumberSettingDialog : public QDialog {
    Q_OBJECT
public:
    using Submit = std::function<std::optional<std::string>(std::optional<int64_t>)>;

    NumberSettingDialog(const QString& title, const QString& label, const NumberSetting& setting,
                        Submit submit, QWidget* parent);

    NumberSpinEdit& Field() const { return *field_; }

    void accept() override;

private:
    Submit submit_;
    NumberSpinEdit* field_;
};

}  // namespace tessark
