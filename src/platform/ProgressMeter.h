#pragma once

#include <functional>

namespace tessark {

// Tells a listener how far a long task has come, in whole percent and only in steps of at least
// five, so that a listener that repaints a window runs some twenty times per task.
class ProgressMeter {
public:
    using Listener = std::function<void(int percent)>;
    static constexpr int kStep = 5;

    // The listener must outlive the meter.
    ProgressMeter(const Listener& listener, double total) : listener_(listener) { SetTotal(total); }

    void SetTotal(double total) { total_ = total > 0 ? total : 1; }
    void Update(double done)
    {
        if (!listener_) {
            return;
        }
        const int percent = static_cast<int>(done / total_ * 100.0);
        if (percent >= last_ + kStep) {
            last_ = percent;
            listener_(percent);
        }
    }

private:
    const Listener& listener_;
    double total_ = 1;
    int last_ = 0;
};

}  // namespace tessark
