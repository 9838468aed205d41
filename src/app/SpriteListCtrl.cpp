#include "app/SpriteListCtrl.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "app/PaletteModel.h"
#include "app/PaletteRowDelegate.h"
#include "data/MaterialList.h"

namespace tessark {

CSpriteListCtrl::CSpriteListCtrl(const CMaterialList& materials, const ItemDatabase& items,
                                 SpriteRenderer& renderer, QWidget* parent)
    : QTreeView(parent), materials_(materials), model_(new PaletteModel(materials, items, this))
{
    setObjectName("Palette");
    setModel(model_);
    setItemDelegate(new PaletteRowDelegate(renderer, this));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    static const int kWidths[] = {102, 80, 80, 50};
    for (int column = 0; column < PaletteModel::ColumnCount; ++column) {
        header()->resizeSection(column, kWidths[column]);
    }
}

int32_t CSpriteListCtrl::KeyAt(int row) const
{
    return model_->KeyAt(row);
}

bool CSpriteListCtrl::IsRow(int row) const
{
    return row >= 0 && row < model_->rowCount();
}

QModelIndex CSpriteListCtrl::RowIndex(int row) const
{
    return model_->index(row, 0);
}

int CSpriteListCtrl::SelectionMark() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

int CSpriteListCtrl::WidthForColumns(int columns) const
{
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < columns && column < PaletteModel::ColumnCount; ++column) {
        width += header()->sectionSize(column);
    }
    return width;
}

int CSpriteListCtrl::TopRow() const
{
    return model_->rowCount() == 0 ? -1 : indexAt(QPoint(0, 0)).row();
}

int CSpriteListCtrl::FocusedRow() const
{
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CSpriteListCtrl::SaveViewState()
{
    savedStates_[currentMaterial_] = {SelectionMark(), TopRow(), FocusedRow()};
}

void CSpriteListCtrl::ClearSelection()
{
    selectionModel()->clear();
}

void CSpriteListCtrl::ShowMaterial(int index)
{
    currentMaterial_ = index;
    ClearSelection();
    model_->SetMaterial(index);
    viewport()->update();
}

void CSpriteListCtrl::SetMaterial(int index)
{
    SaveViewState();
    ShowMaterial(index);
    auto saved = savedStates_.find(index);
    if (saved == savedStates_.end()) {
        return;
    }
    const ViewState state = saved->second;
    // The selection comes back only for the key last asked for by SelectType.
    if (IsRow(state.selectionMark) && KeyAt(state.selectionMark) == selectedKey_) {
        selectionModel()->setCurrentIndex(RowIndex(state.selectionMark),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    if (IsRow(state.focusedRow)) {
        selectionModel()->setCurrentIndex(RowIndex(state.focusedRow), QItemSelectionModel::NoUpdate);
    }
    if (IsRow(state.topRow)) {
        scrollTo(RowIndex(state.topRow), QAbstractItemView::PositionAtTop);
    }
}

void CSpriteListCtrl::SelectType(int32_t key)
{
    selectedKey_ = key;
    const int index = materials_.FindMaterialOfItem(key);
    if (index < 0) {
        // No row shows the type: none may look chosen.
        ClearSelection();
        return;
    }
    SaveViewState();
    ShowMaterial(index);
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (KeyAt(row) == key) {
            selectionModel()->setCurrentIndex(RowIndex(row),
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            scrollTo(RowIndex(row), QAbstractItemView::EnsureVisible);
            break;
        }
    }
}

void CSpriteListCtrl::Refresh()
{
    const int scroll = verticalScrollBar()->value();
    model_->Reset();
    verticalScrollBar()->setValue(scroll);
    viewport()->update();
}

void CSpriteListCtrl::keyPressEvent(QKeyEvent* event)
{
    QTreeView::keyPressEvent(event);
    emit Notified();
}

void CSpriteListCtrl::mousePressEvent(QMouseEvent* event)
{
    QTreeView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        emit Notified();
    }
}

}  // namespace tessark
