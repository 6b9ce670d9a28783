#include "rules/weight.h"

#include <QList>
#include <algorithm>
#include <array>

namespace {

bool IsLoadBearingVest(const Equipment& item)
{
    return item.InternalName.toUpper() == QStringLiteral("LBV");
}

bool IsGrenade(const Equipment& item)
{
    return item.EquipmentType.toUpper() == QStringLiteral("GRENADE");
}

bool IsBeltFed(const Equipment& item)
{
    return item.NameOfAmmoUnit.toUpper() == QStringLiteral("BELTS");
}

// The catalogue items that the load-mode passes examine: for each entry after the starting item, every
// item that it names, in list order and then catalogue order.
QList<const Equipment*> ExaminedItems(const QStringList& entries, const EquipmentCatalogue& catalogue)
{
    QList<const Equipment*> items;
    for (qsizetype i = 1; i < entries.size(); ++i)
        catalogue.ForEachListedAs(entries.at(i), [&items](const Equipment& item) { items.append(&item); });
    return items;
}

} // namespace

FixedDecimal StrengthAllowance(int strengthLevel)
{
    return strengthLevel >= 1 && strengthLevel <= 4 ? FixedDecimal::FromWhole(2 * strengthLevel)
                                                    : FixedDecimal();
}

QString MovementMessageFor(FixedDecimal excess)
{
    struct Band {
        qint64 UpTo; // kilograms, inclusive
        const char16_t* Text;
    };
    static const std::array<Band, 5> bands = {{
        {10, u"Can move without restrictions."},
        {20, u"Can run, no sprinting, can\u2019t jump as far."},
        {30, u"Slow run, small jumps."},
        {40, u"Can walk, no running or jumping."},
        {50, u"Can barely move \u2013 limping speed."},
    }};
    for (const Band& band : bands) {
        if (excess <= FixedDecimal::FromWhole(band.UpTo))
            return QString::fromUtf16(band.Text);
    }
    return QStringLiteral("Can\u2019t move.");
}

QString LoadModeMessage(LoadMode mode)
{
    switch (mode) {
    case LoadMode::FirstTwoWeapons:
        return QStringLiteral("Ammo for first two weapons is being doubled and weight halved\r\n"
                              "First four grenades weight halved.");
    case LoadMode::FirstWeaponGrenades:
        return QStringLiteral("Ammo for first weapon is being doubled and weight halved\r\n"
                              "First eight grenades weight halved.");
    case LoadMode::FirstWeaponBelts:
        return QStringLiteral("Ammo for first weapon is being doubled and weight halved.\r\n"
                              "First two machinegun belt's weight halved.");
    case LoadMode::None:
        break;
    }
    return {};
}

LoadModeChoice LoadModeSaving(const QStringList& entries, const EquipmentCatalogue& catalogue)
{
    const QList<const Equipment*> items = ExaminedItems(entries, catalogue);
    if (std::none_of(items.begin(), items.end(),
                     [](const Equipment* item) { return IsLoadBearingVest(*item); }))
        return {};

    // One running sum through four passes: each later value includes the earlier ones.
    double running = 0;
    int grenades = 0;
    for (const Equipment* item : items) {
        if (IsGrenade(*item) && ++grenades <= 4)
            running += item->Weight;
    }
    double firstTwoWeapons = running;
    grenades = 0;
    for (const Equipment* item : items) {
        if (IsGrenade(*item) && ++grenades <= 8)
            running += item->Weight;
    }
    double firstWeaponGrenades = running;
    grenades = 0;
    int belts = 0;
    for (const Equipment* item : items) {
        if (IsBeltFed(*item) && ++belts < 2)
            running += (item->AmmoUnitsIncludedWithPointCost - 1) * double(item->AmmoWeightPerUnit);
    }
    for (const Equipment* item : items) {
        if (IsGrenade(*item) && ++grenades < 2)
            running += item->Weight;
    }
    double firstWeaponBelts = static_cast<float>(running);

    // A sum of exactly 0 stands back as 100, so that it is never the smallest.
    for (double* sum : {&firstTwoWeapons, &firstWeaponGrenades, &firstWeaponBelts}) {
        if (*sum == 0)
            *sum = 100;
    }
    LoadModeChoice choice;
    choice.Mode = LoadMode::FirstWeaponBelts;
    double saved = firstWeaponBelts;
    if (firstTwoWeapons <= firstWeaponBelts && firstTwoWeapons <= firstWeaponGrenades) {
        choice.Mode = LoadMode::FirstTwoWeapons;
        saved = firstTwoWeapons;
    } else if (firstWeaponGrenades < firstTwoWeapons && firstWeaponGrenades <= firstWeaponBelts) {
        choice.Mode = LoadMode::FirstWeaponGrenades;
        saved = firstWeaponGrenades;
    }
    if (saved == 100)
        saved = 0;
    choice.Saving = static_cast<float>(saved / 2);
    return choice;
}

FixedDecimal SelectedEquipmentWeight(const QStringList& entries, const EquipmentCatalogue& catalogue,
                                     const LoadModeChoice& loadMode)
{
    FixedDecimal sum;
    for (const QString& entry : entries) {
        const Equipment* item = catalogue.FirstListedAs(entry);
        if (!item)
            continue;
        sum += FixedDecimal::FromDouble(item->Weight);
        if (item->AmmoUnitsIncludedWithPointCost != 0) {
            sum += FixedDecimal::FromDouble((item->AmmoUnitsIncludedWithPointCost - 1) *
                                            double(item->AmmoWeightPerUnit));
        }
    }
    return sum - FixedDecimal::FromDouble(loadMode.Saving);
}

WeightDisplay RecalculatedWeight(FixedDecimal startingEquipmentWeight, int strengthLevel,
                                 const QStringList& entries, const EquipmentCatalogue& catalogue,
                                 QChar decimalPoint)
{
    const LoadModeChoice loadMode = LoadModeSaving(entries, catalogue);
    WeightDisplay display;
    display.Total = startingEquipmentWeight + SelectedEquipmentWeight(entries, catalogue, loadMode);
    display.WeightText = display.Total.ToText(decimalPoint) + QStringLiteral(" kg");
    display.MovementText = MovementMessageFor(display.Total - StrengthAllowance(strengthLevel));
    display.AmmoText = LoadModeMessage(loadMode.Mode);
    return display;
}
