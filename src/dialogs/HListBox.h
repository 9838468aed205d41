#pragma once

#include <QListWidget>

namespace tessark {

// A list whose horizontal scroll range reaches its widest line: each added line that is wider
// than any added since the last reset widens it. A reset forgets the widest line but leaves
// the range until a new line sets it.
class CHListBox final : public QListWidget {
    Q_OBJECT
public:
    explicit CHListBox(QWidget* parent = nullptr);

    // The new line's index.
    int AddString(const QString& text);
    void ResetContent();

    int MaxExtent() const { return maxExtent_; }
    // The width the horizontal scroll range covers.
    int HorizontalExtent() const { return extent_; }

protected:
    void updateGeometries() override;

private:
    int maxExtent_ = 0;
    int extent_ = 0;
};

}  // namespace tessark
