#include "rules/points.h"
#include "rules/selection.h"
#include "rules/weight.h"
#include "support/testsupport.h"

namespace {

const EquipmentCatalogue& Catalogue()
{
    static const EquipmentCatalogue catalogue = CatalogueOf(StandardItems());
    return catalogue;
}

// The entries of a table: joined by "/", after the starting item unless they start with "!".
QStringList EntriesOf(const QString& entries)
{
    if (entries.startsWith(u'!'))
        return entries.sliced(1).split(u'/');
    return QStringList{Base} + (entries.isEmpty() ? QStringList() : entries.split(u'/'));
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
        QFETCH(QStringList, row);
        SkillLevels levels{};
        for (qsizetype i = 0; i < row[1].size(); ++i)
            levels[std::size_t(i)] = row[1][i].digitValue();
        const qint64 available = AvailablePoints(30, levels, EntriesOf(row[2]), Catalogue());
        QCOMPARE(available, row[3].toLongLong());
        QCOMPARE(IsOverspent(AvailablePointsText(available)), available < 0);
    }

    void weight_data() { AddTableRows("weights.txt"); }
    void weight()
    {
        QFETCH(QStringList, row);
        const WeightDisplay shown = RecalculatedWeight(FixedDecimal::FromTenThousandths(39200), 0,
                                                       EntriesOf(row[1]), Catalogue(), u',');
        QCOMPARE(shown.WeightText, QString(row[2]).replace(u'.', u',') + u" kg"_s);
        QCOMPARE(shown.AmmoText, LoadModeMessage(LoadMode(row[3].toInt())));
        QCOMPARE(shown.MovementText, MovementMessageFor(shown.Total));
    }

    void movementLadder_data() { AddTableRows("movement.txt"); }
    void movementLadder()
    {
        QFETCH(QStringList, row);
        QCOMPARE(MovementMessageFor(FixedDecimal::FromDouble(row[1].toDouble())), row[2]);
        QCOMPARE(StrengthAllowance(1) + StrengthAllowance(4) + StrengthAllowance(5),
                 FixedDecimal::FromWhole(10));
    }

    void restrictions_data() { AddTableRows("restrictions.txt"); }
    void restrictions()
    {
        QFETCH(QStringList, row);
        QCOMPARE(CheckItemRestrictions(EntriesOf(row[1]), Catalogue()), row[2] == u"yes");
    }

    void skills_data() { AddTableRows("skills.txt"); }
    void skills()
    {
        QFETCH(QStringList, row);
        SkillLevels levels{};
        levels[std::size_t(Proficiency::Explosives)] = row[2].toInt();
        levels[std::size_t(Proficiency::Medic)] = row[3].toInt();
        const QString explosivesName = row.size() < 6 ? u"explosivesskill"_s : QString();
        const QStringList refusals = {"none", "explosives", "medkit"};
        const QStringList messages = {QString(), "You must posess an explosives skill to handle explosives",
                                      "You must posess medical knowledge to use a medkit"};
        QCOMPARE(
            SkillRequirementsRefusal(EntriesOf(row[1]), Catalogue(), levels, explosivesName, u"medicskill"_s)
                .value_or(QString()),
            messages[refusals.indexOf(row[4])]);
    }

    // The window shows the starting item kept, the vest's message emptied and the heading adding nothing;
    // here the letter case of each.
    void removalAndSelection()
    {
        QVERIFY(!IsRemovable(Base.toUpper(), Base));
        QCOMPARE(ItemToSelect(u"weapons and equipment"_s).value_or(QString()), u"weapons and equipment"_s);
        QCOMPARE(AvailablePointsText(-40000), u"-32768"_s);
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "rulestest.moc"
