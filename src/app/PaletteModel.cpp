#include "app/PaletteModel.h"

#include "app/DisplayText.h"
#include "data/ItemDatabase.h"
#include "data/MaterialList.h"

namespace tessark {

PaletteModel::PaletteModel(const CMaterialList& materials, const ItemDatabase& items, QObject* parent)
    : QAbstractTableModel(parent), materials_(materials), items_(items)
{
}

void PaletteModel::SetMaterial(int index)
{
    beginResetModel();
    material_ = index;
    endResetModel();
}

void PaletteModel::Reset()
{
    beginResetModel();
    endResetModel();
}

int32_t PaletteModel::KeyAt(int row) const
{
    return materials_.GetMaterial(material_).GetItem(row);
}

int PaletteModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : materials_.GetMaterial(material_).GetCount();
}

int PaletteModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PaletteModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    const int32_t key = KeyAt(index.row());
    if (role == kKeyRole) {
        return key;
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const ItemType& type = items_.GetServerType(key);
    switch (index.column()) {
    case IdColumn:
        return QString::asprintf("%d", key + kTypeKeyOffset);
    case NameColumn:
        return ToDisplayText(type.name);
    case DescriptionColumn:
        // Item types carry no description; the column stays for the layout users know.
        return QString();
    case DetailsColumn:
        return QString::asprintf("x:%d, y:%d, f:%d, dx:%d, dy:%d, t:%d", type.width, type.height, type.layers,
                                 type.patternX, type.patternY, type.animationPhases);
    default:
        return {};
    }
}

QVariant PaletteModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    static const char* const kTitles[] = {"Id", "Name", "Description", "Details"};
    return section >= 0 && section < ColumnCount ? QString(kTitles[section]) : QVariant();
}

}  // namespace tessark
