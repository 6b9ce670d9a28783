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

// A catalogue item named by more entries (the starting item's included) than its ItemRestriction allows;
// 0 means no limit and a negative limit forbids the item. Each catalogue item is counted on its own, and an
// item that no entry names cannot break its limit.
struct RestrictionBreach {
    const Equipment* Item = nullptr;
    qsizetype Count = 0;      // the entries that name it
    qsizetype EntryOver = -1; // the first entry beyond the limit (index into the entries)
};

// Every item over its limit, by the entry that goes over it.
QList<RestrictionBreach> RestrictionBreaches(const QStringList& entries, const EquipmentCatalogue& catalogue);

// What the checker reports of it: "item ... is selected 2 times, more than its limit of 1".
QString RestrictionBreachMessage(const RestrictionBreach& breach);

// True when no item is over its limit.
bool CheckItemRestrictions(const QStringList& entries, const EquipmentCatalogue& catalogue);

// True when the entry may be removed: any entry but the starting item (compared without regard to case).
bool IsRemovable(const QString& entry, const QString& startingEquipmentName);

// An item that needs a skill that the class lacks: the explosives and the medic skills, whose names stand
// in an item's SpecialModes. The entries after the starting item are examined in list order, and within
// one item explosives before medic; the first failure decides.
struct UnmetSkillRequirement {
    qsizetype Entry = -1;                        // index into the entries
    Proficiency Skill = Proficiency::Explosives; // the skill it lacks: Explosives or Medic
    QString Message;                             // that refuses the save
};
std::optional<UnmetSkillRequirement> FirstUnmetSkillRequirement(const QStringList& entries,
                                                                const EquipmentCatalogue& catalogue,
                                                                const SkillLevels& levels,
                                                                const QString& explosivesSkillName,
                                                                const QString& medicalSkillName);

// The message of the first unmet skill requirement, which refuses a save.
std::optional<QString> SkillRequirementsRefusal(const QStringList& entries,
                                                const EquipmentCatalogue& catalogue,
                                                const SkillLevels& levels, const QString& explosivesSkillName,
                                                const QString& medicalSkillName);
