#pragma once

#include "catalogue/equipmentcatalogue.h"
#include "rules/proficiencies.h"

#include <QString>
#include <QStringList>

// The point budget: every class starts with the same points and buys skill levels and items out of them.

// Points of one skill level: 0, 1, 3, 6, 10 for levels 0 to 4; any other level costs nothing.
qint16 SkillCost(int level);

// Points spent on the selected equipment: every entry after the first (the starting item) costs the
// CostPoints of every catalogue item that it names (see EquipmentCatalogue); an entry that names none costs
// nothing.
qint64 SelectedEquipmentCost(const QStringList& entries, const EquipmentCatalogue& catalogue);

// The points still available: startingPoints less the skill levels' costs less the equipment's. Computed
// wide so that nothing wraps; the text clamps it to the 16-bit range, so an overspent budget stays negative.
qint64 AvailablePoints(qint16 startingPoints, const SkillLevels& levels, const QStringList& entries,
                       const EquipmentCatalogue& catalogue);
QString AvailablePointsText(qint64 points);

// True when the points text reads as a number below 0: the label then turns red and saving is refused.
bool IsOverspent(const QString& pointsText);
