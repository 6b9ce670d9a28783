#include "rules/points.h"

#include "support/testmain.h"
#include "support/testsupport.h"

#include <QTest>

class PointsTest : public QObject {
    Q_OBJECT
private slots:
    void skillCost_isTriangular();
    void pointsAvailable_data();
    void pointsAvailable();
    void pointsBeyondSixteenBits_stayNegativeInText();
    void overspent_isBelowZeroOnly();
};

Q_DECLARE_METATYPE(SkillLevels)

namespace {

const QString Base = QStringLiteral("Base (Clothing and Shoes/Boots/Knife)");

EquipmentCatalogue Catalogue()
{
    return EquipmentCatalogue({Item("knife", "Knife", 1), Item("m4", "M4A1", 5), Item("twin_a", "Twin", 2),
                               Item("twin_b", "Twin", 3), Item("base", Base, 7), Item("neg", "Refund", -2)});
}

SkillLevels Levels(std::initializer_list<int> values)
{
    SkillLevels levels{};
    std::copy(values.begin(), values.end(), levels.begin());
    return levels;
}

} // namespace

void PointsTest::skillCost_isTriangular()
{
    const QList<int> costs = {SkillCost(-1), SkillCost(0), SkillCost(1), SkillCost(2),
                              SkillCost(3),  SkillCost(4), SkillCost(5)};
    QCOMPARE(costs, (QList<int>{0, 0, 1, 3, 6, 10, 0}));
}

void PointsTest::pointsAvailable_data()
{
    QTest::addColumn<SkillLevels>("levels");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("new class") << SkillLevels{} << QStringList{Base} << qint64(30);
    QTest::newRow("all twelve at 4") << Levels({4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}) << QStringList{Base}
                                     << qint64(-90);
    QTest::newRow("levels 1 to 4") << Levels({1, 0, 2, 0, 3, 0, 0, 0, 0, 4}) << QStringList{Base}
                                   << qint64(10);
    QTest::newRow("same item twice") << SkillLevels{} << QStringList{Base, "M4A1", "M4A1"} << qint64(20);
    QTest::newRow("starting item costs nothing") << SkillLevels{} << QStringList{Base} << qint64(30);
    QTest::newRow("a second starting item entry costs")
        << SkillLevels{} << QStringList{Base, Base} << qint64(23);
    QTest::newRow("case must match") << SkillLevels{} << QStringList{Base, "knife"} << qint64(30);
    QTest::newRow("blanks around do not count") << SkillLevels{} << QStringList{Base, "Knife "} << qint64(29);
    QTest::newRow("all items of one name count") << SkillLevels{} << QStringList{Base, "Twin"} << qint64(25);
    QTest::newRow("negative cost refunds") << SkillLevels{} << QStringList{Base, "Refund"} << qint64(32);
    QTest::newRow("exactly spent") << Levels({4, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
                                   << QStringList{Base, "M4A1", "M4A1"} << qint64(0);
    QTest::newRow("one point over") << Levels({4, 4, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0})
                                    << QStringList{Base, "M4A1", "M4A1"} << qint64(-1);
}

void PointsTest::pointsAvailable()
{
    QFETCH(SkillLevels, levels);
    QFETCH(QStringList, entries);
    QFETCH(qint64, expected);
    QCOMPARE(AvailablePoints(30, levels, entries, Catalogue()), expected);
}

void PointsTest::pointsBeyondSixteenBits_stayNegativeInText()
{
    const EquipmentCatalogue catalogue({Item("gold", "Gold", 32767)});
    const QStringList entries = {Base, "Gold", "Gold", "Gold"};
    const qint64 points = AvailablePoints(-32768, SkillLevels{}, entries, catalogue);
    QCOMPARE(points, qint64(-32768) - 3 * 32767);
    QCOMPARE(AvailablePointsText(points), QStringLiteral("-32768"));
    QVERIFY(IsOverspent(AvailablePointsText(points)));
    QCOMPARE(AvailablePointsText(40000), QStringLiteral("32767"));
}

void PointsTest::overspent_isBelowZeroOnly()
{
    QVERIFY(!IsOverspent(QStringLiteral("0")));
    QVERIFY(!IsOverspent(QStringLiteral("30")));
    QVERIFY(IsOverspent(QStringLiteral("-1")));
    QVERIFY(!IsOverspent(QString())); // an empty label reads as 0
}

ROSTERMAKER_REGISTER_TEST(PointsTest)
#include "pointstest.moc"
