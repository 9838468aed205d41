#pragma once

#include <QDialog>
#include <vector>

class QTabWidget;

namespace tessark {

class CGeneralPage;

// A modal property sheet: its pages as tabs, OK and Cancel. OK closes only when every page
// takes its values.
class CMyPropertySheet final : public QDialog {
    Q_OBJECT
public:
    explicit CMyPropertySheet(const QString& title, QWidget* parent = nullptr);

    void AddPage(CGeneralPage* page, const QString& title);

    void accept() override;

private:
    QTabWidget* tabs_;
    std::vector<CGeneralPage*> pages_;
};

}  // namespace tessark
