#pragma once

#include "catalogue/equipmentcatalogue.h"

#include <QString>
#include <array>

// The rows of the catalogue grid: a heading row, then one row per item that costs points, in catalogue
// order. The grid leads back to an item only through the text of a row's first cell, the item's trimmed
// DisplayName.

using CatalogueGridRow = std::array<QString, 4>; // name, points, weight, ammunition included

inline constexpr int CatalogueGridColumnCount = 4;

// The heading row, an ordinary row of the grid: "Weapons and equipment", " Points", "Weight",
// "Ammunition Included".
CatalogueGridRow CatalogueGridHeading();

// The text of one cell of the item's row (column 0 to 3).
QString CatalogueGridCell(const Equipment& item, int column);

// The texts of the item's row.
CatalogueGridRow CatalogueGridRowOf(const Equipment& item);

// The catalogue indexes of the items that get a row (CostPoints not 0), in catalogue order.
QList<qsizetype> CatalogueGridItems(const EquipmentCatalogue& catalogue);

// The weight the grid shows: the item's Weight plus the ammunition units after the first, in single
// precision, for an item with shots; the Weight alone otherwise or when that extra is not above 0.
float ShownWeight(const Equipment& item);
