#pragma once

#include <QAbstractSpinBox>
#include <QElapsedTimer>
#include <optional>

namespace tessark {

// A number edit with a spinner: the field takes digits only and may hold any number while the
// user types (the page checks the limits when it closes); the arrows step within the spinner's
// range, by 1 a click and by the acceleration step while held down.
class NumberSpinEdit final : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit NumberSpinEdit(QWidget* parent = nullptr);

    void SetSpinRange(int minimum, int maximum);
    int SpinMinimum() const { return minimum_; }
    int SpinMaximum() const { return maximum_; }
    // The step used once an arrow has been held down for the accelerated time.
    void SetAcceleration(int afterMilliseconds, int step);

    void SetValue(int value);
    // None when the field holds no number.
    std::optional<int> Value() const;

    void stepBy(int steps) override;
    // Wide enough for the spinner's largest number: the base class knows no values.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& position) const override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int minimum_ = 0;
    int maximum_ = 100;
    int accelerateAfter_ = -1;
    int acceleratedStep_ = 1;
    QElapsedTimer held_;
};

}  // namespace tessark
