#include "rules/points.h"

#include "platform/numbers.h"

#include <limits>

qint16 SkillCost(int level)
{
    switch (level) {
    case 1:
        return 1;
    case 2:
        return 3;
    case 3:
        return 6;
    case 4:
        return 10;
    default:
        return 0;
    }
}

qint64 SelectedEquipmentCost(const QStringList& entries, const EquipmentCatalogue& catalogue)
{
    qint64 cost = 0;
    for (qsizetype i = 1; i < entries.size(); ++i)
        catalogue.ForEachListedAs(entries.at(i), [&cost](const Equipment& item) { cost += item.CostPoints; });
    return cost;
}

qint64 AvailablePoints(qint16 startingPoints, const SkillLevels& levels, const QStringList& entries,
                       const EquipmentCatalogue& catalogue)
{
    qint64 points = startingPoints;
    for (int level : levels)
        points -= SkillCost(level);
    return points - SelectedEquipmentCost(entries, catalogue);
}

QString AvailablePointsText(qint64 points)
{
    constexpr qint64 lowest = std::numeric_limits<qint16>::min();
    constexpr qint64 highest = std::numeric_limits<qint16>::max();
    return QString::number(qBound(lowest, points, highest));
}

bool IsOverspent(const QString& pointsText)
{
    return NumericValue(pointsText) < 0;
}
