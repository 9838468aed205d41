#pragma once

#include <QObject>
#include <QPointer>

namespace tessark {

class CInfoDlg;
class CTessarkView;
class HouseCommands;
class CommandTable;
class SpriteRenderer;

// The dialogs of a chosen thing: "Properties" (from the context menu, a double click with the
// select tool, or the command) opens the dialog the engine names for it, and "Overview" shows
// the information window, made on first use, which then follows the chosen item or the brush.
class ThingCommands final : public QObject {
    Q_OBJECT
public:
    ThingCommands(CommandTable& commands, CTessarkView& view, SpriteRenderer& renderer,
                  HouseCommands& houses, QWidget& window);

    // Runs the chosen thing's dialog; true when OK changed it.
    bool OpenProperties();
    void ShowOverview();
    // Null until "Overview" made it, and again after it was closed.
    CInfoDlg* InfoWindow() const;

private:
    // Runs the modal dialog on the engine's editor; true on OK.
    template <typename Dialog, typename Editor>
    bool Run(Editor& editor);
    void RefreshInfo();

    CTessarkView& view_;
    SpriteRenderer& renderer_;
    HouseCommands& houses_;
    QWidget& window_;
    QPointer<CInfoDlg> info_;
};

}  // namespace tessark
