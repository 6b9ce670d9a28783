#pragma once

#include <QString>
#include <QTypeInfo>

// One item of the equipment catalogue, as a row of the weapons file gives it. A new record has every text
// empty and every number 0.
struct Equipment {
    QString InternalName;  // the item's name in the game; class files store items by it
    QString DisplayName;   // the name shown to the user; the editor finds items by it
    QString EquipmentType; // "grenade" marks a grenade
    qint16 CostPoints = 0; // 0: not offered in the grid
    float Weight = 0;      // kilograms
    float AmmoWeightPerUnit = 0;
    qint16 AmmoUnitsIncludedWithPointCost = 0;
    QString NameOfAmmoUnit; // "belts" marks a belt-fed item
    qint16 ShotsPerAmmoUnit = 0;
    QString NameOfShot;
    qint16 ItemRestriction = 0; // how often one class may hold the item; 0: no limit
    QString SpecialModes;       // holds the skill names of the items that need a skill
};

// Records move by their bytes, so a growing list of them needs no constructor calls.
Q_DECLARE_TYPEINFO(Equipment, Q_RELOCATABLE_TYPE);
