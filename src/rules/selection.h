#pragma once

#include "catalogue/equipmentcatalogue.h"
#include "rules/proficiencies.h"

#include <QString>
#include <QStringList>
#include <optional>

// Adding items from the catalogue grid, removing them from the list, and the rules that go with it.

// The text of the grid's current cell that a double-click adds to the list: nothing for an empty cell or
// the heading row's "Weapons and equipment".
std::optional<QString> ItemToSelect(const QString& gridText);

// True when no catalogue item is named by more entries (the starting item's included) than its
// ItemRestriction allows; 0 means no limit and a negative limit forbids the item. Each catalogue item is
// counted on its own, and an item that no entry names cannot break its limit.
bool CheckItemRestrictions(const QStringList& entries, const EquipmentCatalogue& catalogue);

// True when the entry may be removed: any entry but the starting item (compared without regard to case).
bool IsRemovable(const QString& entry, const QString& startingEquipmentName);

// The message that refuses a save when an item needs a skill that the class lacks: the explosives and the
// medic skills, whose names stand in an item's SpecialModes. The entries after the starting item are
// examined in list order, and within one item explosives before medic; the first failure decides.
std::optional<QString> SkillRequirementsRefusal(const QStringList& entries,
                                                const EquipmentCatalogue& catalogue,
                                                const SkillLevels& levels, const QString& explosivesSkillName,
                                                const QString& medicalSkillName);
