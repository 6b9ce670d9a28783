#pragma once

#include "catalogue/equipmentcatalogue.h"

#include <QAbstractTableModel>

// The rows of the catalogue grid: the heading row, then the items that cost points. Cell texts are made
// when the view asks for them, so a catalogue of any size fills the grid at once.
class CatalogueGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CatalogueGridModel(QObject* parent = nullptr);

    // Replaces every row: the heading row, then one row per item of catalogue that costs points.
    void Fill(const EquipmentCatalogue& catalogue);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    QString CellText(int row, int column) const;

private:
    const EquipmentCatalogue* Catalogue = nullptr;
    QList<qsizetype> ItemRows; // catalogue index of each row after the heading
};
