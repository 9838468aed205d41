#pragma once

#include <QLineEdit>

namespace tessark {

// An edit field for a file name: typed \ / : ? * " < > | are swallowed, and a paste goes in only
// when the clipboard holds text free of them; a refused paste beeps and changes nothing.
class CFileNameEdit final : public QLineEdit {
    Q_OBJECT
public:
    static constexpr const char* kForbiddenCharacters = "\\/:?*\"<>|";

    explicit CFileNameEdit(QWidget* parent = nullptr);

    static bool IsForbidden(QChar c);
    // Pastes the clipboard's text when allowed; false (after a beep) when refused.
    bool Paste();

signals:
    void PasteRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Refuse();
};

}  // namespace tessark
