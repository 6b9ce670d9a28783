#include "catalogue/cataloguegrid.h"

#include "support/testmain.h"
#include "support/testsupport.h"

namespace {

// A weapons file row and the grid row it gives.
constexpr struct {
    const char* Name;
    const char16_t* Item;
    const char16_t* Cells; // joined by "|"
} Rows[] = {
    {"three magazines", u"m4,  M4A1 ,rifle,5,2.5,0.5,3,magazines,30,rounds,0,,",
     u"M4A1|5|3.5|3 magazines of 30 rounds"},
    {"one magazine", u"m4,M4A1,rifle,5,2.5,0.5,1,magazines,30,rounds,0,,",
     u"M4A1|5|2.5|1 magazines of 30 rounds"},
    {"no magazines", u"m4,M4A1,rifle,5,2.5,0.5,0,magazines,30,rounds,0,,",
     u"M4A1|5|2.5|0 magazines of 30 rounds"},
    {"no shots", u"m4,M4A1,rifle,5,2.5,0.5,3,magazines,0,rounds,0,,", u"M4A1|5|2.5|"},
    {"negative cost", u"x,Refund,,-2,0.3,,,,,,0,,", u"Refund|-2|0.3|"},
    {"ammunition names keep blanks", u"m4,M4A1,rifle,5,2,0.5,2, belts ,30,rounds,0,,",
     u"M4A1|5|2.5|2  belts  of 30 rounds"},
};

} // namespace

// The catalogue grid's rows, and how an entry of the selected equipment names catalogue items.
class CatalogueGridTest : public QObject {
    Q_OBJECT
private slots:
    void itemRow_data() { AddRows(Rows); }
    void itemRow();
    void headingThenItemsThatCostPoints();
    void entriesNameItemsWithoutBlanksAround();
};

void CatalogueGridTest::itemRow()
{
    const auto& row = Row(Rows);
    const EquipmentCatalogue catalogue =
        CatalogueOf({QString::fromUtf16(row.Item)}); // the cells point into it
    const CatalogueGridRow cells = CatalogueGridRowOf(catalogue.At(0));
    QCOMPARE(QStringList(cells.begin(), cells.end()).join(u'|'), QString::fromUtf16(row.Cells));
}

void CatalogueGridTest::headingThenItemsThatCostPoints()
{
    QCOMPARE(CatalogueGridHeading(),
             (CatalogueGridRow{"Weapons and equipment", " Points", "Weight", "Ammunition Included"}));
    const EquipmentCatalogue catalogue =
        CatalogueOf({"a,A,,1,,,,,,,,,", "tags,Dog Tags,,0,,,,,,,,,", "", "b,B,,-1,,,,,,,,,"});
    QCOMPARE(CatalogueGridItems(catalogue), (QList<qsizetype>{0, 3}));
    QCOMPARE(CatalogueGridItems(EquipmentCatalogue()), QList<qsizetype>());
}

void CatalogueGridTest::entriesNameItemsWithoutBlanksAround()
{
    const EquipmentCatalogue catalogue = CatalogueOf(
        {"m4,  M4A1 ,,5,,,,,,,,,", "mp5,MP5,,4,,,,,,,,,", "m4b,M4A1,,6,,,,,,,,,", "m4c,m4a1,,7,,,,,,,,,"});
    QStringList named;
    catalogue.ForEachListedAs(QStringLiteral("M4A1 "),
                              [&named](const Equipment& item) { named.append(item.InternalName); });
    QCOMPARE(named, (QStringList{"m4", "m4b"}));
    QCOMPARE(catalogue.FirstListedAs(QStringLiteral(" M4A1"))->InternalName, QStringLiteral("m4"));
    QCOMPARE(catalogue.FirstListedAs(QStringLiteral("M4A1\t")), nullptr);
    QCOMPARE(ListedName(catalogue.At(0)), QStringLiteral("M4A1"));
    named.clear();
    catalogue.ForEachWithInternalName(QStringLiteral("m4b"),
                                      [&named](const Equipment& item) { named.append(item.DisplayName); });
    QCOMPARE(named, QStringList{"M4A1"});
}

ROSTERMAKER_REGISTER_TEST(CatalogueGridTest)
#include "cataloguegridtest.moc"
