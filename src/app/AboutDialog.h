#pragma once

#include <QDialog>

namespace tessark {

inline constexpr const char* kVersionText = "Tessark Version 0.4.486";

// "About Tessark": the version and an OK button.
class CAboutDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace tessark
