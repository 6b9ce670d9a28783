#pragma once

#include "catalogue/equipmentcatalogue.h"
#include "platform/fixeddecimal.h"

#include <QString>
#include <QStringList>

// The weight a class carries, the movement it allows, and the load modes by which a load-bearing vest
// halves the weight of some grenades or machine-gun belts.

// The kilograms that a strength level lets a character carry before the movement ladder starts:
// 2, 4, 6, 8 for levels 1 to 4; nothing for 0 or any other level.
FixedDecimal StrengthAllowance(int strengthLevel);

// The movement that an excess weight (total less allowance) allows. Each band runs up to and including its
// upper bound, so an excess between two whole-number bands (10.5) belongs to the heavier one.
QString MovementMessageFor(FixedDecimal excess);

enum class LoadMode { None, FirstTwoWeapons, FirstWeaponGrenades, FirstWeaponBelts };

// The two lines, joined by CR LF, that AmmoMessage shows for a load mode; empty for none.
QString LoadModeMessage(LoadMode mode);

struct LoadModeChoice {
    LoadMode Mode = LoadMode::None; // None when no load-bearing vest is selected
    float Saving = 0;               // kilograms taken off the total
};

// Which load mode a selected load-bearing vest (an item whose InternalName is "lbv" in any case) brings
// and what it saves. The entries after the starting item are examined against every catalogue item that
// they name.
LoadModeChoice LoadModeSaving(const QStringList& entries, const EquipmentCatalogue& catalogue);

// The weight of the selected equipment, the starting item's entry included: for each entry the first
// catalogue item that it names, its Weight and the ammunition units after the first; less the
// load-mode saving.
FixedDecimal SelectedEquipmentWeight(const QStringList& entries, const EquipmentCatalogue& catalogue,
                                     const LoadModeChoice& loadMode);

struct WeightDisplay {
    FixedDecimal Total;
    QString WeightText;   // "3.92 kg"
    QString MovementText; // from the movement ladder
    QString AmmoText;     // the load mode's message, empty without a vest
};

// Everything the weight labels show for the class.
WeightDisplay RecalculatedWeight(FixedDecimal startingEquipmentWeight, int strengthLevel,
                                 const QStringList& entries, const EquipmentCatalogue& catalogue,
                                 QChar decimalPoint);
