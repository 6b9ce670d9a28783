#include "catalogue/cataloguegrid.h"

#include "support/testmain.h"
#include "support/testsupport.h"

#include <QTest>

class CatalogueGridTest : public QObject {
    Q_OBJECT
private slots:
    void heading();
    void itemRows_data();
    void itemRows();
    void onlyItemsThatCostPointsGetRows();
    void entriesNameItemsWithoutBlanksAround();
};

Q_DECLARE_METATYPE(Equipment)

namespace {

Equipment Rifle(qint16 includedUnits, qint16 shots = 30)
{
    Equipment item = Item("m4", "  M4A1 ", 5, 2.5f);
    item.AmmoWeightPerUnit = 0.5f;
    item.AmmoUnitsIncludedWithPointCost = includedUnits;
    item.ShotsPerAmmoUnit = shots;
    item.NameOfAmmoUnit = QStringLiteral("magazines");
    item.NameOfShot = QStringLiteral("rounds");
    return item;
}

} // namespace

void CatalogueGridTest::heading()
{
    QCOMPARE(CatalogueGridHeading(),
             (CatalogueGridRow{"Weapons and equipment", " Points", "Weight", "Ammunition Included"}));
}

void CatalogueGridTest::itemRows_data()
{
    QTest::addColumn<Equipment>("item");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("three magazines") << Rifle(3)
                                     << QStringList{"M4A1", "5", "3.5", "3 magazines of 30 rounds"};
    QTest::newRow("one magazine") << Rifle(1) << QStringList{"M4A1", "5", "2.5", "1 magazines of 30 rounds"};
    QTest::newRow("no magazines") << Rifle(0) << QStringList{"M4A1", "5", "2.5", "0 magazines of 30 rounds"};
    QTest::newRow("no shots: weight alone, no ammunition")
        << Rifle(3, 0) << QStringList{"M4A1", "5", "2.5", ""};
    Equipment refund = Item("x", "Refund", -2, 0.1f + 0.2f);
    QTest::newRow("negative cost, single-precision weight")
        << refund << QStringList{"Refund", "-2", "0.3", ""};
    Equipment names = Rifle(2);
    names.NameOfAmmoUnit = QStringLiteral(" belts ");
    QTest::newRow("ammunition names keep their blanks")
        << names << QStringList{"M4A1", "5", "3", "2  belts  of 30 rounds"};
}

void CatalogueGridTest::itemRows()
{
    QFETCH(Equipment, item);
    QFETCH(QStringList, cells);
    const CatalogueGridRow row = CatalogueGridRowOf(item);
    QCOMPARE(QStringList(row.begin(), row.end()), cells);
}

void CatalogueGridTest::onlyItemsThatCostPointsGetRows()
{
    const EquipmentCatalogue catalogue(
        {Item("a", "A", 1), Item("tags", "Dog Tags", 0), Equipment(), Item("b", "B", -1)});
    QCOMPARE(CatalogueGridItems(catalogue), (QList<qsizetype>{0, 3}));
    QCOMPARE(CatalogueGridItems(EquipmentCatalogue()), QList<qsizetype>());
}

void CatalogueGridTest::entriesNameItemsWithoutBlanksAround()
{
    const EquipmentCatalogue catalogue(
        {Item("m4", "  M4A1 ", 5), Item("mp5", "MP5", 4), Item("m4b", "M4A1", 6), Item("m4c", "m4a1", 7)});
    QStringList named;
    catalogue.ForEachListedAs(QStringLiteral("M4A1 "),
                              [&named](const Equipment& item) { named.append(item.InternalName); });
    QCOMPARE(named, (QStringList{"m4", "m4b"}));
    QCOMPARE(catalogue.FirstListedAs(QStringLiteral("M4A1"))->InternalName, QStringLiteral("m4"));
    QCOMPARE(catalogue.FirstListedAs(QStringLiteral("M4A1\t")), nullptr);
}

ROSTERMAKER_REGISTER_TEST(CatalogueGridTest)
#include "cataloguegridtest.moc"
