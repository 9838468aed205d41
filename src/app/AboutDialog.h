#pragma once

#include <QDialog>

namespace tessark {

// "About Tessark": the version and an OK button.
class CAboutDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace tessark
