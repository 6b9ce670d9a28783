#include "rules/weight.h"

#include "support/testmain.h"
#include "support/testsupport.h"

#include <QLocale>
#include <QTest>

class WeightTest : public QObject {
    Q_OBJECT
private slots:
    void movementLadder_data();
    void movementLadder();
    void strengthAllowance();
    void itemWeight_data();
    void itemWeight();
    void firstMatchOnly_forWeight();
    void fiveGrenadesWithVest_saveHalfOfFirstFour();
    void beltFedGunWithVest_savesHalfTheExtraBelts();
    void vestAlone_showsFirstModeAndSavesNothing();
    void noVest_savesNothingAndShowsNoMode();
    void vestRecognisedByInternalNameOnly();
    void grenadeMatchingTwoItems_countsTwice();
    void eightGrenades_secondModeWhenFirstFourWeighNothing();
    void startingItem_isNeverExaminedForLoadModes();
    void weightText_usesDecimalPointGiven();
};

namespace {

const QString Base = QStringLiteral("Base (Clothing and Shoes/Boots/Knife)");
const FixedDecimal StartingWeight = FixedDecimal::FromTenThousandths(39200);

Equipment Vest(const QString& internalName = QStringLiteral("lbv"))
{
    return Item(internalName, "Load Bearing Vest", 2, 1.5f);
}

Equipment Grenade(const QString& name, float weight)
{
    Equipment item = Item(name.toLower(), name, 1, weight);
    item.EquipmentType = QStringLiteral("Grenade");
    return item;
}

Equipment BeltFedGun()
{
    Equipment gun = Item("m249", "M249", 7, 7.5f);
    gun.NameOfAmmoUnit = QStringLiteral("Belts");
    gun.AmmoUnitsIncludedWithPointCost = 3;
    gun.AmmoWeightPerUnit = 2;
    gun.ShotsPerAmmoUnit = 100;
    return gun;
}

WeightDisplay Weigh(const QStringList& entries, const EquipmentCatalogue& catalogue, int strength = 0)
{
    return RecalculatedWeight(StartingWeight, strength, entries, catalogue, u'.');
}

} // namespace

void WeightTest::movementLadder_data()
{
    QTest::addColumn<qint64>("excessTenThousandths");
    QTest::addColumn<QString>("expected");
    const QString free = QStringLiteral("Can move without restrictions.");
    const QString run = QStringLiteral("Can run, no sprinting, can\u2019t jump as far.");
    const QString slow = QStringLiteral("Slow run, small jumps.");
    const QString walk = QStringLiteral("Can walk, no running or jumping.");
    const QString limp = QStringLiteral("Can barely move \u2013 limping speed.");
    const QString stuck = QStringLiteral("Can\u2019t move.");
    QTest::newRow("negative") << qint64(-40000) << free;
    QTest::newRow("exactly 10") << qint64(100000) << free;
    QTest::newRow("between 10 and 11") << qint64(105000) << run;
    QTest::newRow("just above 10") << qint64(100001) << run;
    QTest::newRow("exactly 11") << qint64(110000) << run;
    QTest::newRow("exactly 20") << qint64(200000) << run;
    QTest::newRow("20.0001") << qint64(200001) << slow;
    QTest::newRow("25") << qint64(250000) << slow;
    QTest::newRow("exactly 31") << qint64(310000) << walk;
    QTest::newRow("40.5") << qint64(405000) << limp;
    QTest::newRow("exactly 50") << qint64(500000) << limp;
    QTest::newRow("50.5") << qint64(505000) << stuck;
    QTest::newRow("exactly 51") << qint64(510000) << stuck;
}

void WeightTest::movementLadder()
{
    QFETCH(qint64, excessTenThousandths);
    QFETCH(QString, expected);
    QCOMPARE(MovementMessageFor(FixedDecimal::FromTenThousandths(excessTenThousandths)), expected);
}

void WeightTest::strengthAllowance()
{
    // A total of 25 kg: excess 25 at strength 0, 17 at strength 4; the weight itself stays.
    const EquipmentCatalogue catalogue({Item("crate", "Crate", 1, 21.08f)});
    const QStringList entries = {Base, "Crate"};
    const WeightDisplay weak = Weigh(entries, catalogue, 0);
    const WeightDisplay strong = Weigh(entries, catalogue, 4);
    QCOMPARE(weak.WeightText, QStringLiteral("25 kg"));
    QCOMPARE(strong.WeightText, QStringLiteral("25 kg"));
    QCOMPARE(weak.MovementText, QStringLiteral("Slow run, small jumps."));
    QCOMPARE(strong.MovementText, QStringLiteral("Can run, no sprinting, can\u2019t jump as far."));
    QCOMPARE(StrengthAllowance(3), FixedDecimal::FromWhole(6));
    QCOMPARE(StrengthAllowance(5), FixedDecimal());
}

void WeightTest::itemWeight_data()
{
    QTest::addColumn<qint16>("includedUnits");
    QTest::addColumn<QString>("expected");
    // A rifle of 4 kg whose units of ammunition weigh 0.5 kg: the units after the first add weight.
    QTest::newRow("three units") << qint16(3) << "8.92 kg";
    QTest::newRow("one unit") << qint16(1) << "7.92 kg";
    QTest::newRow("no units") << qint16(0) << "7.92 kg";
    QTest::newRow("negative units subtract") << qint16(-1) << "6.92 kg";
}

void WeightTest::itemWeight()
{
    QFETCH(qint16, includedUnits);
    QFETCH(QString, expected);
    Equipment rifle = Item("m4", "M4A1", 5, 4);
    rifle.AmmoUnitsIncludedWithPointCost = includedUnits;
    rifle.AmmoWeightPerUnit = 0.5f;
    QCOMPARE(Weigh({Base, "M4A1"}, EquipmentCatalogue({rifle})).WeightText, expected);
}

void WeightTest::firstMatchOnly_forWeight()
{
    // Two items share a display name: the weight counts the first only, the same entry twice twice.
    const EquipmentCatalogue catalogue(
        {Item("a", "Twin", 1, 2), Item("b", "Twin", 1, 5), Item("base", Base, 0, 1)});
    QCOMPARE(Weigh({Base, "Twin"}, catalogue).WeightText, QStringLiteral("6.92 kg"));
    QCOMPARE(Weigh({Base, "Twin", "Twin"}, catalogue).WeightText, QStringLiteral("8.92 kg"));
    QCOMPARE(Weigh({Base, "Unknown"}, catalogue).WeightText, QStringLiteral("4.92 kg")); // base item's 1 kg
}

void WeightTest::fiveGrenadesWithVest_saveHalfOfFirstFour()
{
    const EquipmentCatalogue catalogue({Vest(), Grenade("Frag", 0.5f)});
    const WeightDisplay weight =
        Weigh({Base, "Load Bearing Vest", "Frag", "Frag", "Frag", "Frag", "Frag"}, catalogue);
    // 3.92 + 1.5 + 2.5 - (4 x 0.5) / 2
    QCOMPARE(weight.WeightText, QStringLiteral("6.92 kg"));
    QCOMPARE(weight.AmmoText,
             QStringLiteral("Ammo for first two weapons is being doubled and weight halved\r\n"
                            "First four grenades weight halved."));
}

void WeightTest::beltFedGunWithVest_savesHalfTheExtraBelts()
{
    const EquipmentCatalogue catalogue({Vest(), BeltFedGun()});
    const WeightDisplay weight = Weigh({Base, "M249", "Load Bearing Vest"}, catalogue);
    // 3.92 + 1.5 + 7.5 + 4 - (3 - 1) x 2 / 2
    QCOMPARE(weight.WeightText, QStringLiteral("14.92 kg"));
    QCOMPARE(weight.AmmoText, QStringLiteral("Ammo for first weapon is being doubled and weight halved.\r\n"
                                             "First two machinegun belt's weight halved."));
    // Only the first belt-fed item counts.
    QCOMPARE(Weigh({Base, "M249", "M249", "Load Bearing Vest"}, catalogue).WeightText,
             QStringLiteral("26.42 kg"));
}

void WeightTest::vestAlone_showsFirstModeAndSavesNothing()
{
    const WeightDisplay weight = Weigh({Base, "Load Bearing Vest"}, EquipmentCatalogue({Vest()}));
    QCOMPARE(weight.WeightText, QStringLiteral("5.42 kg"));
    QCOMPARE(weight.AmmoText, LoadModeMessage(LoadMode::FirstTwoWeapons));
}

void WeightTest::noVest_savesNothingAndShowsNoMode()
{
    const EquipmentCatalogue catalogue({Grenade("Frag", 0.5f), BeltFedGun()});
    const WeightDisplay weight = Weigh({Base, "Frag", "Frag", "M249"}, catalogue);
    QCOMPARE(weight.WeightText, QStringLiteral("16.42 kg"));
    QCOMPARE(weight.AmmoText, QString());
}

void WeightTest::vestRecognisedByInternalNameOnly()
{
    for (const QString& internalName :
         {QStringLiteral("lbv"), QStringLiteral("Lbv"), QStringLiteral("LBV")}) {
        const LoadModeChoice choice =
            LoadModeSaving({Base, "Load Bearing Vest"}, EquipmentCatalogue({Vest(internalName)}));
        QCOMPARE(choice.Mode, LoadMode::FirstTwoWeapons);
    }
    QCOMPARE(LoadModeSaving({Base, "Load Bearing Vest"}, EquipmentCatalogue({Vest("lbv2")})).Mode,
             LoadMode::None);
    QCOMPARE(LoadModeSaving({Base, "Vest"}, EquipmentCatalogue({Item("lbv", "Vest", 1)})).Mode,
             LoadMode::FirstTwoWeapons);
}

void WeightTest::grenadeMatchingTwoItems_countsTwice()
{
    // Two catalogue items named Frag: one entry is examined twice, so two entries are four grenades.
    const EquipmentCatalogue catalogue({Vest(), Grenade("Frag", 0.5f), Grenade("Frag", 0.25f)});
    const LoadModeChoice choice =
        LoadModeSaving({Base, "Load Bearing Vest", "Frag", "Frag", "Frag"}, catalogue);
    QCOMPARE(choice.Mode, LoadMode::FirstTwoWeapons);
    QCOMPARE(choice.Saving, 0.75f); // (0.5 + 0.25 + 0.5 + 0.25) / 2
}

void WeightTest::eightGrenades_secondModeWhenFirstFourWeighNothing()
{
    // The first four grenades weigh 0, so the first mode stands back; the next four make the second one.
    const EquipmentCatalogue catalogue({Vest(), Grenade("Dummy", 0), Grenade("Smoke", 0.4f)});
    const QStringList entries = {Base,   "Load Bearing Vest", "Dummy", "Dummy", "Dummy", "Dummy", "Smoke",
                                 "Smoke"};
    const LoadModeChoice choice = LoadModeSaving(entries, catalogue);
    QCOMPARE(choice.Mode, LoadMode::FirstWeaponGrenades);
    QCOMPARE(choice.Saving, 0.4f);
}

void WeightTest::startingItem_isNeverExaminedForLoadModes()
{
    Equipment vestAsBase = Vest();
    vestAsBase.DisplayName = Base;
    QCOMPARE(LoadModeSaving({Base}, EquipmentCatalogue({vestAsBase})).Mode, LoadMode::None);
}

void WeightTest::weightText_usesDecimalPointGiven()
{
    const WeightDisplay weight = RecalculatedWeight(StartingWeight, 0, {Base}, EquipmentCatalogue(),
                                                    QLocale(QLocale::German).decimalPoint().at(0));
    QCOMPARE(weight.WeightText, QStringLiteral("3,92 kg"));
    QCOMPARE(weight.MovementText, QStringLiteral("Can move without restrictions."));
}

ROSTERMAKER_REGISTER_TEST(WeightTest)
#include "weighttest.moc"
