#include "rules/selection.h"

#include "support/testmain.h"
#include "support/testsupport.h"

#include <QTest>

class SelectionTest : public QObject {
    Q_OBJECT
private slots:
    void itemToSelect_skipsEmptyCellAndHeading();
    void restrictions_data();
    void restrictions();
    void removal_keepsStartingItemInAnyCase();
    void removal_ofVestEntry_clearsLoadMode();
    void skillRequirements_data();
    void skillRequirements();
};

namespace {

const QString Base = QStringLiteral("Base (Clothing and Shoes/Boots/Knife)");
const QString ExplosivesMessage = QStringLiteral("You must posess an explosives skill to handle explosives");
const QString MedicMessage = QStringLiteral("You must posess medical knowledge to use a medkit");

Equipment Limited(const QString& name, qint16 restriction)
{
    Equipment item = Item(name.toLower(), name, 1);
    item.ItemRestriction = restriction;
    return item;
}

Equipment NeedingSkill(const QString& name, const QString& specialModes)
{
    Equipment item = Item(name.toLower(), name, 1);
    item.SpecialModes = specialModes;
    return item;
}

} // namespace

void SelectionTest::itemToSelect_skipsEmptyCellAndHeading()
{
    QCOMPARE(ItemToSelect(QStringLiteral("M4A1")), std::optional<QString>(QStringLiteral("M4A1")));
    QCOMPARE(ItemToSelect(QString()), std::nullopt);
    QCOMPARE(ItemToSelect(QStringLiteral("Weapons and equipment")), std::nullopt);
    QCOMPARE(ItemToSelect(QStringLiteral("weapons and equipment")),
             std::optional<QString>(QStringLiteral("weapons and equipment")));
}

void SelectionTest::restrictions_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("ok");
    QTest::newRow("limit 1 once") << QStringList{Base, "Vest"} << true;
    QTest::newRow("limit 1 twice") << QStringList{Base, "Vest", "Vest"} << false;
    QTest::newRow("limit 2 twice") << QStringList{Base, "Frag", "Frag"} << true;
    QTest::newRow("limit 2 three times") << QStringList{Base, "Frag", "Frag", "Frag"} << false;
    QTest::newRow("no limit many times") << QStringList{Base, "Knife", "Knife", "Knife", "Knife"} << true;
    QTest::newRow("negative limit forbids the item") << QStringList{Base, "Banned"} << false;
    QTest::newRow("negative limit unused does not block others") << QStringList{Base, "Knife"} << true;
    QTest::newRow("starting item counts towards a limit") << QStringList{"Base", "Base"} << false;
    QTest::newRow("each item of a name has its own limit") << QStringList{Base, "Twin", "Twin"} << false;
    QTest::newRow("names compared exactly") << QStringList{Base, "vest", "vest"} << true;
    QTest::newRow("display name with blanks around") << QStringList{Base, "Pack", "Pack"} << false;
    QTest::newRow("entries with blanks around count together") << QStringList{Base, "Vest", " Vest"} << false;
}

void SelectionTest::restrictions()
{
    QFETCH(QStringList, entries);
    QFETCH(bool, ok);
    const EquipmentCatalogue catalogue({Limited("Vest", 1), Limited("Frag", 2), Limited("Knife", 0),
                                        Limited("Banned", -1), Limited("Base", 1), Limited("Twin", 3),
                                        Limited("Twin", 1), Limited(" Pack  ", 1)});
    QCOMPARE(CheckItemRestrictions(entries, catalogue), ok);
}

void SelectionTest::removal_keepsStartingItemInAnyCase()
{
    QVERIFY(!IsRemovable(Base, Base));
    QVERIFY(!IsRemovable(Base.toUpper(), Base));
    QVERIFY(IsRemovable(QStringLiteral("M4A1"), Base));
}

void SelectionTest::removal_ofVestEntry_clearsLoadMode()
{
    QVERIFY(RemovalClearsLoadMode(QStringLiteral("Load Bearing Vest")));
    QVERIFY(RemovalClearsLoadMode(QStringLiteral("LOAD BEARING vest")));
    QVERIFY(!RemovalClearsLoadMode(QStringLiteral("Load Bearing Vest ")));
    QVERIFY(!RemovalClearsLoadMode(QStringLiteral("LBV")));
}

void SelectionTest::skillRequirements_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("explosives");
    QTest::addColumn<int>("medic");
    QTest::addColumn<QString>("explosivesName");
    QTest::addColumn<QString>("refusal");
    const QString defaultName = QStringLiteral("explosivesskill");
    QTest::newRow("explosive without skill")
        << QStringList{Base, "C4"} << 0 << 0 << defaultName << ExplosivesMessage;
    QTest::newRow("explosive with skill") << QStringList{Base, "C4"} << 1 << 0 << defaultName << QString();
    QTest::newRow("name in any case")
        << QStringList{Base, "Claymore"} << 0 << 0 << defaultName << ExplosivesMessage;
    QTest::newRow("medkit without skill")
        << QStringList{Base, "Medkit"} << 4 << 0 << defaultName << MedicMessage;
    QTest::newRow("medkit with skill") << QStringList{Base, "Medkit"} << 0 << 2 << defaultName << QString();
    QTest::newRow("explosive first decides")
        << QStringList{Base, "C4", "Medkit"} << 0 << 0 << defaultName << ExplosivesMessage;
    QTest::newRow("medkit first decides")
        << QStringList{Base, "Medkit", "C4"} << 0 << 0 << defaultName << MedicMessage;
    QTest::newRow("explosives before medic within one item")
        << QStringList{Base, "Both"} << 0 << 0 << defaultName << ExplosivesMessage;
    QTest::newRow("starting item never examined") << QStringList{"C4"} << 0 << 0 << defaultName << QString();
    QTest::newRow("empty skill name: any special mode needs it")
        << QStringList{Base, "Scope"} << 0 << 0 << QString() << ExplosivesMessage;
    QTest::newRow("empty skill name: empty special modes need nothing")
        << QStringList{Base, "Plain"} << 0 << 0 << QString() << QString();
}

void SelectionTest::skillRequirements()
{
    QFETCH(QStringList, entries);
    QFETCH(int, explosives);
    QFETCH(int, medic);
    QFETCH(QString, explosivesName);
    QFETCH(QString, refusal);
    const EquipmentCatalogue catalogue(
        {NeedingSkill("C4", "explosivesskill"), NeedingSkill("Claymore", "remote ExplosivesSkill"),
         NeedingSkill("Medkit", "heals medicskill"), NeedingSkill("Both", "medicskill explosivesskill"),
         NeedingSkill("Scope", "zoom"), NeedingSkill("Plain", "")});
    SkillLevels levels{};
    levels[static_cast<std::size_t>(Proficiency::Explosives)] = explosives;
    levels[static_cast<std::size_t>(Proficiency::Medic)] = medic;
    const std::optional<QString> result =
        SkillRequirementsRefusal(entries, catalogue, levels, explosivesName, QStringLiteral("medicskill"));
    QCOMPARE(result.value_or(QString()), refusal);
}

ROSTERMAKER_REGISTER_TEST(SelectionTest)
#include "selectiontest.moc"
