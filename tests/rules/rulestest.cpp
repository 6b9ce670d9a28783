#include "rules/points.h"
#include "rules/selection.h"
#include "rules/weight.h"
#include "support/testsupport.h"

namespace {

const EquipmentCatalogue& Catalogue()
{
    // The standard items, and two that only the weight rules meet.
    static const EquipmentCatalogue catalogue =
        CatalogueOf(StandardItems() + QStringList{"decoy,Decoy,grenade,1,-0.5,,,,,,0,,",
                                                  "shotgun,Shotgun,gun,3,3,0.25,0,,8,,0,,"});
    return catalogue;
}

} // namespace

// The class rules over the standard items: the point budget, the weight with its load modes and the
// movement it allows, item limits and the skills that explosives and medkits need.
class RulesTest : public QObject {
    Q_OBJECT
private slots:
    void points_data() { AddTableRows("points.txt"); }
    void points()
    {
        QFETCH(TableRow, row);
        const qint64 available =
            AvailablePoints(30, LevelsOf(row[u"levels"]), EntriesOf(row[u"entries"]), Catalogue());
        QCOMPARE(available, row[u"available"].toLongLong());
        QCOMPARE(IsOverspent(AvailablePointsText(available)), available < 0);
    }

    void pointsText_staysInSixteenBits() { QCOMPARE(AvailablePointsText(-40000), u"-32768"_s); }

    void weight_data() { AddTableRows("weights.txt"); }
    void weight()
    {
        QFETCH(TableRow, row);
        const WeightDisplay shown = RecalculatedWeight(FixedDecimal::FromTenThousandths(39200), 0,
                                                       EntriesOf(row[u"entries"]), Catalogue(), u',');
        QCOMPARE(shown.WeightText, QString(row[u"weight"]).replace(u'.', u',') + u" kg"_s);
        const QStringList modes = {u"none"_s, u"first two weapons"_s, u"first weapon and grenades"_s,
                                   u"first weapon and belts"_s};
        QCOMPARE(shown.AmmoText, LoadModeMessage(LoadMode(modes.indexOf(row[u"mode"]))));
    }

    void movementLadder_data() { AddTableRows("movement.txt"); }
    void movementLadder()
    {
        QFETCH(TableRow, row);
        QCOMPARE(MovementMessageFor(FixedDecimal::FromDouble(row[u"excess"].toDouble())), row[u"movement"]);
    }

    void strength_allowsTwoKilogramsALevel()
    {
        QCOMPARE(StrengthAllowance(1) + StrengthAllowance(4) + StrengthAllowance(5),
                 FixedDecimal::FromWhole(10));
    }

    void restrictions_data() { AddTableRows("restrictions.txt"); }
    void restrictions()
    {
        QFETCH(TableRow, row);
        const QStringList entries = EntriesOf(row[u"entries"]);
        QStringList breaches;
        for (const RestrictionBreach& breach : RestrictionBreaches(entries, Catalogue()))
            breaches.append(
                u"%1 %2 at %3"_s.arg(breach.Item->InternalName).arg(breach.Count).arg(breach.EntryOver));
        QCOMPARE(breaches.join(u"; "_s), row[u"breaches"] == u"-" ? QString() : row[u"breaches"]);
        QCOMPARE(CheckItemRestrictions(entries, Catalogue()), breaches.isEmpty());
    }

    void skills_data() { AddTableRows("skills.txt"); }
    void skills()
    {
        QFETCH(TableRow, row);
        SkillLevels levels{};
        levels[std::size_t(Proficiency::Explosives)] = row[u"explosives"].toInt();
        levels[std::size_t(Proficiency::Medic)] = row[u"medic"].toInt();
        const QString explosivesName = row.Has(u"skill name") ? QString() : u"explosivesskill"_s;
        const QHash<QString, QString> messages = {
            {u"none"_s, QString()},
            {u"explosives"_s, u"You must posess an explosives skill to handle explosives"_s},
            {u"medkit"_s, u"You must posess medical knowledge to use a medkit"_s}};
        QCOMPARE(SkillRequirementsRefusal(EntriesOf(row[u"entries"]), Catalogue(), levels, explosivesName,
                                          u"medicskill"_s)
                     .value_or(QString()),
                 messages.value(row[u"refusal"]));
    }

    // The window shows the starting item kept and the heading adding nothing; here the letter case of each.
    void startingItemAndHeading_comparedInTheirCase()
    {
        QVERIFY(!IsRemovable(Base.toUpper(), Base));
        QCOMPARE(ItemToSelect(u"weapons and equipment"_s).value_or(QString()), u"weapons and equipment"_s);
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "rulestest.moc"
