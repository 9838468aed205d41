#pragma once

#include <QDialog>
#include <cstdint>

#include "edit/ItemInfo.h"
#include "platform/Surface.h"

class QLabel;
class QListWidget;

namespace tessark {

class ItemDatabase;
class SpriteRenderer;

// "Information": the picture, the ids and the information lines of one item type. Modeless;
// it deletes itself when closed.
class CInfoDlg final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPictureSize = 64;

    CInfoDlg(const ItemDatabase& database, SpriteRenderer& renderer, QWidget* parent = nullptr);

    // Shows the type; nothing happens when no type has the key or it shows already.
    void ShowType(int32_t key);
    std::optional<int32_t> ShownKey() const { return info_.ShownKey(); }

    QLabel& Picture() const { return *picture_; }
    QLabel& IdValue() const { return *id_; }
    QLabel& ClientIdValue() const { return *clientId_; }
    QListWidget& Lines() const { return *lines_; }

private:
    const ItemDatabase& database_;
    SpriteRenderer& renderer_;
    ItemInfo info_;
    Surface surface_;
    QLabel* picture_;
    QLabel* id_;
    QLabel* clientId_;
    QListWidget* lines_;
};

}  // namespace tessark
