#include "ui/cataloguegridmodel.h"

#include "catalogue/cataloguegrid.h"

CatalogueGridModel::CatalogueGridModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void CatalogueGridModel::Fill(const EquipmentCatalogue& catalogue)
{
    // Rows are removed and inserted rather than the model reset, so the columns keep their widths.
    if (rowCount() > 0) {
        beginRemoveRows(QModelIndex(), 0, rowCount() - 1);
        Catalogue = nullptr;
        ItemRows.clear();
        endRemoveRows();
    }
    QList<qsizetype> rows = CatalogueGridItems(catalogue);
    beginInsertRows(QModelIndex(), 0, static_cast<int>(rows.size()));
    Catalogue = &catalogue;
    ItemRows = std::move(rows);
    endInsertRows();
}

int CatalogueGridModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !Catalogue)
        return 0;
    return static_cast<int>(ItemRows.size()) + 1;
}

int CatalogueGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : CatalogueGridColumnCount;
}

QString CatalogueGridModel::CellText(int row, int column) const
{
    if (!Catalogue || row < 0 || row > ItemRows.size() || column < 0 || column >= CatalogueGridColumnCount)
        return {};
    if (row == 0)
        return CatalogueGridHeading()[static_cast<std::size_t>(column)];
    return CatalogueGridCell(Catalogue->At(ItemRows.at(row - 1)), column);
}

QVariant CatalogueGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return CellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}
