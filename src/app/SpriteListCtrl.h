#pragma once

#include <QTreeView>
#include <cstdint>
#include <map>

namespace tessark {

class CMaterialList;
class ItemDatabase;
class PaletteModel;
class SpriteRenderer;

// The palette list: a report list of 64-pixel rows showing the item types of one material. It
// remembers, per material, where the user was (selection, top row, focused row) and returns
// there when the material is shown again.
class CSpriteListCtrl final : public QTreeView {
    Q_OBJECT
public:
    struct ViewState {
        int selectionMark = -1;
        int topRow = -1;
        int focusedRow = -1;
        bool operator==(const ViewState&) const = default;
    };

    CSpriteListCtrl(const CMaterialList& materials, const ItemDatabase& items, SpriteRenderer& renderer,
                    QWidget* parent = nullptr);

    void SetMaterial(int index);
    // Shows the first material holding the key and selects the key's row there; with no such
    // material, no row stays selected.
    void SelectType(int32_t key);
    // The brush's type chosen by a click on a row: its row is the one selected again when its
    // material comes back.
    void NoteBrushType(int32_t key) { selectedKey_ = key; }
    // Recounts the rows (keeping the scroll position) and repaints.
    void Refresh();
    void ClearSelection();

    int CurrentMaterial() const { return currentMaterial_; }
    int32_t SelectedKey() const { return selectedKey_; }
    // The selected row, -1 when none.
    int SelectionMark() const;
    int TopRow() const;
    // The width that shows the first columns whole, with the frame and the scroll bar.
    int WidthForColumns(int columns) const;
    int FocusedRow() const;
    int32_t KeyAt(int row) const;
    const std::map<int, ViewState>& SavedStates() const { return savedStates_; }

signals:
    // After the list's own handling of a key press or a left or right button press.
    void Notified();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SaveViewState();
    void ShowMaterial(int index);
    bool IsRow(int row) const;
    QModelIndex RowIndex(int row) const;

    const CMaterialList& materials_;
    PaletteModel* model_;
    int currentMaterial_ = 0;
    int32_t selectedKey_ = 0;
    std::map<int, ViewState> savedStates_;
};

}  // namespace tessark
