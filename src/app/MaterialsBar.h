#pragma once

#include <QDockWidget>
#include <cstdint>

class QComboBox;

namespace tessark {

class CMaterialList;
class CSpriteListCtrl;
class ItemDatabase;
class SpriteRenderer;

// The "Materials" docking bar: a drop-down box of the material names above the palette list.
// Choosing a palette row asks the main window to make its type the brush.
class CMyBar final : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultHeight = 250;

    CMyBar(const CMaterialList& materials, const ItemDatabase& items, SpriteRenderer& renderer,
           QWidget* parent = nullptr);

    // Shows the first material holding the key with the key's row selected; when no material
    // holds it, no row is selected.
    void ShowTypeInPalette(int32_t key);

    // Wide enough for the palette's id and name columns.
    int DefaultWidth() const;

    QComboBox& MaterialBox() const { return *materialBox_; }
    CSpriteListCtrl& Palette() const { return *palette_; }

signals:
    // A palette row was chosen; the key of its type.
    void BrushTypeChosen(int32_t key);

private:
    void OnPaletteNotified();

    const CMaterialList& materials_;
    QComboBox* materialBox_;
    CSpriteListCtrl* palette_;
};

}  // namespace tessark
