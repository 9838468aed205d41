#pragma once

#include <QAbstractTableModel>
#include <cstdint>

namespace tessark {

class CMaterialList;
class ItemDatabase;

// The palette's rows: the item types of one material, read from the material on every request
// (the list holds no rows of its own). Columns "Id", "Name", "Description", "Details".
class PaletteModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kKeyRole = Qt::UserRole + 1;
    enum Column { IdColumn, NameColumn, DescriptionColumn, DetailsColumn, ColumnCount };

    PaletteModel(const CMaterialList& materials, const ItemDatabase& items, QObject* parent = nullptr);

    // Shows another material; every row changes.
    void SetMaterial(int index);
    int Material() const { return material_; }
    // The type key of a row, -1 outside the material.
    int32_t KeyAt(int row) const;
    // Recounts the rows of the shown material.
    void Reset();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const CMaterialList& materials_;
    const ItemDatabase& items_;
    int material_ = 0;
};

}  // namespace tessark
