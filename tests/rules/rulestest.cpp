#include "rules/points.h"
#include "rules/selection.h"
#include "rules/weight.h"
#include "support/testmain.h"
#include "support/testsupport.h"

namespace {

// Entries are joined by "|"; the starting item comes first unless a row's entries start with "!".
constexpr struct {
    const char* Name;
    const char* Levels; // the twelve levels in proficiency order, from the left
    const char* Entries;
    qint64 Available;
} Points[] = {
    {"new class", "", "", 30},
    {"skill costs 1 3 6 10", "1020304", "", 10},
    {"all twelve at 4", "444444444444", "", -90},
    {"an item twice", "", "M4A1|M4A1", 20},
    {"all items of a name", "", "Twin", 25},
    {"letter case counts", "", "m4a1", 30},
    {"blanks around do not", "", "  Pack |Pack", 28},
    {"less than nothing refunds", "", "Refund", 32},
    {"exactly spent", "44", "M4A1|M4A1", 0},
    {"one point over", "441", "M4A1|M4A1", -1},
};

constexpr struct {
    const char* Name;
    const char* Entries;
    int Strength;
    const char* Weight;
    LoadMode Mode;
} Weights[] = {
    {"starting weight", "", 0, "3.92", LoadMode::None},
    {"units after the first add", "M4A1", 0, "8.82", LoadMode::None}, // 3.4 + 3 x 0.5
    {"first item of a name only", "Twin|Twin", 0, "7.92", LoadMode::None},
    {"strength leaves the weight", "Crate", 4, "25", LoadMode::None},
    {"vest alone saves nothing", "Load Bearing Vest", 0, "5.42", LoadMode::FirstTwoWeapons},
    {"vest halves four grenades of five",
     "Load Bearing Vest|Frag Grenade|Frag Grenade|Frag Grenade|Frag Grenade|Frag Grenade", 0, "6.92",
     LoadMode::FirstTwoWeapons},
    {"vest halves the belts after the first", "M249 SAW|Load Bearing Vest", 0, "14.92",
     LoadMode::FirstWeaponBelts},
    {"only the first belt-fed gun", "M249 SAW|M249 SAW|Load Bearing Vest", 0, "26.42",
     LoadMode::FirstWeaponBelts},
    {"no vest, no mode", "Frag Grenade|M249 SAW", 0, "15.92", LoadMode::None},
    {"grenades of any letter case",
     "Load Bearing Vest|Thermite|Thermite|Frag Grenade|Frag Grenade|Frag Grenade", 0, "7.02",
     LoadMode::FirstTwoWeapons},
};

constexpr struct {
    const char* Name;
    const char* Entries;
    bool Ok;
} Restrictions[] = {
    {"limit 1 once", "Load Bearing Vest", true},
    {"limit 1 twice", "Load Bearing Vest|Load Bearing Vest", false},
    {"limit 2 three times", "Thermite|Thermite|Thermite", false},
    {"no limit", "Frag Grenade|Frag Grenade|Frag Grenade|Frag Grenade", true},
    {"negative limit forbids", "Banned Item", false},
    {"negative limit of an item not named", "Crate", true},
    {"each item of a name has its own limit", "Twin|Twin", false},
    {"blanks around count together", "Pack| Pack", false},
    {"letter case counts", "load bearing vest|Load Bearing Vest", true},
    {"the first entry counts too", "!Load Bearing Vest|Load Bearing Vest", false},
};

constexpr struct {
    const char* Name;
    const char* Entries;
    int Explosives;
    int Medic;
    const char* Refusal;
    const char* ExplosivesName = "explosivesskill";
} Skills[] = {
    {"explosive without the skill", "C4 Charge", 0, 4, "explosives"},
    {"explosive with it", "C4 Charge", 1, 0, ""},
    {"the skill name in any case", "Claymore", 0, 0, "explosives"},
    {"medkit without the skill", "Medkit", 4, 0, "medkit"},
    {"medkit with it", "Medkit", 0, 2, ""},
    {"the first entry decides", "Medkit|C4 Charge", 0, 0, "medkit"},
    {"explosives before medic in one item", "Pack", 0, 0, "explosives"},
    {"the starting item is not examined", "!C4 Charge", 0, 0, ""},
    {"an empty skill name: any modes need it", "Medkit", 0, 1, "explosives", ""},
    {"an empty skill name: empty modes need nothing", "Crate", 0, 0, "", ""},
};

} // namespace

// The class rules over the standard items: the point budget, the weight with its load modes and the
// movement it allows, item limits and the skills that explosives and medkits need.
class RulesTest : public QObject {
    Q_OBJECT
private slots:
    void points_data() { AddRows(Points); }
    void points();
    void weight_data() { AddRows(Weights); }
    void weight();
    void movementLadder();
    void restrictions_data() { AddRows(Restrictions); }
    void restrictions();
    void skills_data() { AddRows(Skills); }
    void skills();
    void removalAndSelection();
};

namespace {

const EquipmentCatalogue& Catalogue()
{
    static const EquipmentCatalogue catalogue = CatalogueOf(StandardItems());
    return catalogue;
}

QStringList EntriesOf(const char* entries)
{
    const QString text = QString::fromLatin1(entries);
    if (text.startsWith(u'!'))
        return text.sliced(1).split(u'|');
    return QStringList{Base} + (text.isEmpty() ? QStringList() : text.split(u'|'));
}

SkillLevels LevelsOf(const char* digits)
{
    SkillLevels levels{};
    for (std::size_t i = 0; digits[i]; ++i)
        levels[i] = digits[i] - '0';
    return levels;
}

} // namespace

void RulesTest::points()
{
    const auto& row = Row(Points);
    const qint64 available = AvailablePoints(30, LevelsOf(row.Levels), EntriesOf(row.Entries), Catalogue());
    QCOMPARE(available, row.Available);
    QCOMPARE(IsOverspent(AvailablePointsText(available)), available < 0);
}

void RulesTest::weight()
{
    const auto& row = Row(Weights);
    const WeightDisplay shown = RecalculatedWeight(FixedDecimal::FromTenThousandths(39200), row.Strength,
                                                   EntriesOf(row.Entries), Catalogue(), u',');
    QCOMPARE(shown.WeightText, QString::fromLatin1(row.Weight).replace(u'.', u',') + QStringLiteral(" kg"));
    QCOMPARE(shown.AmmoText, LoadModeMessage(row.Mode));
    QCOMPARE(shown.MovementText, MovementMessageFor(shown.Total - StrengthAllowance(row.Strength)));
}

void RulesTest::movementLadder()
{
    const qint64 excess[] = {-40000, 100000, 100001, 200000, 200001, 300000, 310000, 400001, 500000, 500001};
    const int band[] = {0, 0, 1, 1, 2, 2, 3, 4, 4, 5};
    const QStringList messages = {"Can move without restrictions.",
                                  "Can run, no sprinting, can\u2019t jump as far.",
                                  "Slow run, small jumps.",
                                  "Can walk, no running or jumping.",
                                  "Can barely move \u2013 limping speed.",
                                  "Can\u2019t move."};
    for (std::size_t i = 0; i < std::size(excess); ++i)
        QCOMPARE(MovementMessageFor(FixedDecimal::FromTenThousandths(excess[i])), messages[band[i]]);
    const QList<qint64> allowances = {
        StrengthAllowance(0).TenThousandths(), StrengthAllowance(1).TenThousandths(),
        StrengthAllowance(4).TenThousandths(), StrengthAllowance(5).TenThousandths()};
    QCOMPARE(allowances, (QList<qint64>{0, 20000, 80000, 0}));
}

void RulesTest::restrictions()
{
    const auto& row = Row(Restrictions);
    QCOMPARE(CheckItemRestrictions(EntriesOf(row.Entries), Catalogue()), row.Ok);
}

void RulesTest::skills()
{
    const auto& row = Row(Skills);
    SkillLevels levels{};
    levels[static_cast<std::size_t>(Proficiency::Explosives)] = row.Explosives;
    levels[static_cast<std::size_t>(Proficiency::Medic)] = row.Medic;
    const QString refusal =
        SkillRequirementsRefusal(EntriesOf(row.Entries), Catalogue(), levels,
                                 QString::fromLatin1(row.ExplosivesName), QStringLiteral("medicskill"))
            .value_or(QString());
    const QString expected = QString::fromLatin1(row.Refusal);
    QCOMPARE(refusal, expected.isEmpty() ? QString()
                      : expected == u"medkit"
                          ? QStringLiteral("You must posess medical knowledge to use a medkit")
                          : QStringLiteral("You must posess an explosives skill to handle explosives"));
}

void RulesTest::removalAndSelection()
{
    QVERIFY(!IsRemovable(Base.toUpper(), Base));
    QVERIFY(IsRemovable(QStringLiteral("M4A1"), Base));
    QVERIFY(RemovalClearsLoadMode(QStringLiteral("LOAD BEARING vest")));
    QVERIFY(!RemovalClearsLoadMode(QStringLiteral("LBV")));
    QCOMPARE(ItemToSelect(QStringLiteral("M4A1")), std::optional<QString>(QStringLiteral("M4A1")));
    QCOMPARE(ItemToSelect(QString()), std::nullopt);
    QCOMPARE(ItemToSelect(QStringLiteral("Weapons and equipment")), std::nullopt);
    QCOMPARE(ItemToSelect(QStringLiteral("weapons and equipment")),
             std::optional<QString>(QStringLiteral("weapons and equipment")));
    QCOMPARE(SkillCost(5), qint16(0));
    QCOMPARE(AvailablePointsText(-40000), QStringLiteral("-32768"));
}

ROSTERMAKER_REGISTER_TEST(RulesTest)
#include "rulestest.moc"
