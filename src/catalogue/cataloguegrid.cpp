#include "catalogue/cataloguegrid.h"

#include "platform/numbers.h"
#include "platform/text.h"

CatalogueGridRow CatalogueGridHeading()
{
    return {QStringLiteral("Weapons and equipment"), QStringLiteral(" Points"), QStringLiteral("Weight"),
            QStringLiteral("Ammunition Included")};
}

float ShownWeight(const Equipment& item)
{
    if (item.ShotsPerAmmoUnit == 0)
        return item.Weight;
    const float extra = item.AmmoWeightPerUnit * static_cast<float>(item.AmmoUnitsIncludedWithPointCost - 1);
    return extra > 0 ? item.Weight + extra : item.Weight;
}

QString CatalogueGridCell(const Equipment& item, int column)
{
    switch (column) {
    case 0:
        return ListedName(item);
    case 1:
        return QString::number(item.CostPoints);
    case 2:
        return FormatSingle(ShownWeight(item));
    case 3:
        if (item.ShotsPerAmmoUnit == 0)
            return {};
        return QString::number(item.AmmoUnitsIncludedWithPointCost) + u' ' + item.NameOfAmmoUnit +
               QStringLiteral(" of ") + QString::number(item.ShotsPerAmmoUnit) + u' ' + item.NameOfShot;
    default:
        return {};
    }
}

CatalogueGridRow CatalogueGridRowOf(const Equipment& item)
{
    return {CatalogueGridCell(item, 0), CatalogueGridCell(item, 1), CatalogueGridCell(item, 2),
            CatalogueGridCell(item, 3)};
}

QList<qsizetype> CatalogueGridItems(const EquipmentCatalogue& catalogue)
{
    QList<qsizetype> rows;
    for (qsizetype i = 0; i < catalogue.Count(); ++i) {
        if (catalogue.At(i).CostPoints != 0)
            rows.append(i);
    }
    return rows;
}
