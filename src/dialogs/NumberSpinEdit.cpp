#include "dialogs/NumberSpinEdit.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>

namespace tessark {

NumberSpinEdit::NumberSpinEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
}

void NumberSpinEdit::SetSpinRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    update();
}

void NumberSpinEdit::SetAcceleration(int afterMilliseconds, int step)
{
    accelerateAfter_ = afterMilliseconds;
    acceleratedStep_ = step;
}

void NumberSpinEdit::SetValue(int value)
{
    lineEdit()->setText(QString::number(value));
}

std::optional<int> NumberSpinEdit::Value() const
{
    bool ok = false;
    const int value = text().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

void NumberSpinEdit::stepBy(int steps)
{
    int step = 1;
    if (accelerateAfter_ >= 0 && held_.isValid() && (QApplication::mouseButtons() & Qt::LeftButton) &&
        held_.elapsed() >= accelerateAfter_) {
        step = acceleratedStep_;
    }
    const long long current = Value().value_or(minimum_);
    const long long next = std::clamp<long long>(current + static_cast<long long>(steps) * step, minimum_, maximum_);
    SetValue(static_cast<int>(next));
    lineEdit()->selectAll();
}

QSize NumberSpinEdit::sizeHint() const
{
    ensurePolished();
    // The widest of the limits, a space and the text cursor, as the spin boxes that know
    // their values measure themselves.
    const QFontMetrics metrics = fontMetrics();
    const int text = std::max(metrics.horizontalAdvance(QString::number(minimum_)),
                              metrics.horizontalAdvance(QString::number(maximum_)));
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize contents(text + metrics.horizontalAdvance(QLatin1Char(' ')) + 2, lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, contents, this);
}

QAbstractSpinBox::StepEnabled NumberSpinEdit::stepEnabled() const
{
    if (isReadOnly() || !isEnabled()) {
        return StepNone;
    }
    const std::optional<int> value = Value();
    StepEnabled enabled = StepNone;
    if (!value || *value < maximum_) {
        enabled |= StepUpEnabled;
    }
    if (!value || *value > minimum_) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

QValidator::State NumberSpinEdit::validate(QString& input, int&) const
{
    for (QChar c : input) {
        if (!c.isDigit() || c.unicode() >= 0x80) {
            return QValidator::Invalid;
        }
    }
    return input.size() <= 9 ? QValidator::Acceptable : QValidator::Invalid;
}

void NumberSpinEdit::mousePressEvent(QMouseEvent* event)
{
    held_.start();
    QAbstractSpinBox::mousePressEvent(event);
}

}  // namespace tessark
