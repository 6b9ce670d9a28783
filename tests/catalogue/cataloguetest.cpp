#include "catalogue/cataloguegrid.h"
#include "catalogue/weaponsfile.h"
#include "platform/codepage.h"
#include "platform/numbers.h"
#include "support/testsupport.h"

namespace {

// Each record as InternalName/DisplayName/CostPoints/Weight/SpecialModes, separated by " ; ".
QString RecordsOf(const QList<Equipment>& items)
{
    QStringList records;
    for (const Equipment& e : items)
        records.append(QStringList{e.InternalName, e.DisplayName, QString::number(e.CostPoints),
                                   FormatSingle(e.Weight), e.SpecialModes}
                           .join(u'/'));
    return records.join(u" ; "_s);
}

} // namespace

// Weapons files as the game and the tools around it write them, the catalogue they fill, and the grid's
// rows.
class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void read_data() { AddTableRows("weapons-files.txt"); }
    void read()
    {
        QFETCH(TableRow, row);
        const QString identifier = row.Has(u"identifier") ? row[u"identifier"] : u"InternalName"_s;
        const WeaponsFileContent content =
            ReadWeaponsFile(DecodeFileText(row[u"text"].toLatin1()), identifier);
        QVERIFY(!content.Error);
        QCOMPARE(RecordsOf(content.Items), row[u"records"]);
    }

    void badNumber_data() { AddTableRows("bad-numbers.txt"); }
    void badNumber()
    {
        QFETCH(TableRow, row);
        const QString text =
            u"InternalName,CostPoints,Weight,AmmoWeightPerUnit,\r\nm,1,2,3,\r\n%1\r\nn,one,"_s.arg(
                row[u"row"]);
        const WeaponsFileContent content = ReadWeaponsFile(text, u"InternalName"_s);
        QVERIFY(content.Error);
        QCOMPARE(BadWeaponsFieldMessage(u"C:\\Games\\Mod\\weapons.csv"_s, *content.Error),
                 u"Error : Invalid value in file C:\\Games\\Mod\\weapons.csv, line 3, column %1 %2\r\n\r\n"
                 "The Application will not run without this file."_s.arg(row[u"column"], row[u"message"]));
    }

    // A weapons file marked as UTF-8 is refused at its first line that is not.
    void notUtf8_data() { AddTableRows("not-utf8.txt"); }
    void notUtf8()
    {
        QFETCH(TableRow, row);
        GameFolder game;
        game.AddFile(u"weapons.csv"_s, "\xEF\xBB\xBF" + row[u"file"].toLatin1());
        AppSettings settings;
        settings.WeaponsFileName = u"..\\weapons.csv"_s;
        settings.WeaponsFileIdentifier = u"InternalName"_s;
        QCOMPARE(LoadWeaponsFile(settings, game.Location())
                     .Reason()
                     .section(u"but its "_s, 1)
                     .section(u" holds"_s, 0, 0),
                 row[u"line"]);
    }

    // Found by fuzzing: files made mostly of header rows once took time that grew with the square of their
    // rows; these are sized so that such a reader would outlast the test's timeout.
    void manyHeaderRows_readInLinearTime()
    {
        const QString text = u"InternalName\r\n"_s.repeated(160000) + u"InternalName"_s +
                             u","_s.repeated(300000) + u"DisplayName,\r\n"_s + u","_s.repeated(300000) +
                             u"Knife,k\r\n"_s;
        QCOMPARE(RecordsOf(ReadWeaponsFile(text, u"InternalName"_s).Items), u"/Knife/0/0/"_s);
    }

    // Files that cannot fill a catalogue are refused with a message; odd ones that can are read.
    void oddFiles_areReadOrRefusedWithoutHarm()
    {
        const QByteArray junk = Junk(65536);
        const std::pair<QByteArray, QString> files[] = {
            {"InternalName,DisplayName,\r\nx," + QByteArray(10 << 20, 'x') + ",", {}},
            {"InternalName,CostPoints,\r\n" + junk + "\r\nx,five,", u"Error : Invalid value in file"_s},
            {"InternalName,DisplayName,\r\n", {}}, // a header row and no items: an empty catalogue
            {"", u"Error : No line of the file"_s},
            {"m4,M4A1,,5,\r\n\r\n", u"Error : No line of the file"_s}};
        AppSettings settings;
        settings.WeaponsFileName = u"..\\weapons.csv"_s;
        settings.WeaponsFileIdentifier = u"InternalName"_s;
        for (const auto& [file, message] : files) {
            GameFolder game;
            game.AddFile(u"weapons.csv"_s, file);
            const Result<EquipmentCatalogue> load = LoadWeaponsFile(settings, game.Location());
            QCOMPARE(load.Reason().left(message.size()), message);
            QVERIFY(!load || CatalogueGridItems(*load).isEmpty()); // nothing that costs points
        }
        // A wrong identifier names the file, the text looked for and the setting to check.
        GameFolder game;
        settings.SettingsFilePath = game.Path(u"tool/rostermaker.ini"_s);
        settings.WeaponsFileIdentifier = u"InternalNme"_s;
        game.WriteWeapons({"m4,M4A1,,5,,,,,,,,,"});
        QCOMPARE(
            LoadWeaponsFile(settings, game.Location()).Reason(),
            u"Error : No line of the file %1 holds the text \"InternalNme\" that marks the header row of "
            "the weapons file, the row that names its columns. Check the setting \"Weapons File "
            "Identifier\" in %2, and that \"Weapons File Name\" names the weapons file.\r\n\r\nThe "
            "Application will not run without this file."_s.arg(game.Path(u"weapons.csv"_s),
                                                                settings.SettingsFilePath));
    }

    void gridRow_data() { AddTableRows("grid-rows.txt"); }
    void gridRow()
    {
        QFETCH(TableRow, row);
        const EquipmentCatalogue catalogue = CatalogueOf({row[u"item"]});
        const CatalogueGridRow cells = CatalogueGridRowOf(catalogue.At(0));
        QCOMPARE(QStringList(cells.begin(), cells.end()).join(u'/'), row[u"cells"]);
    }

    void entriesNameItemsWithoutBlanksAround()
    {
        const EquipmentCatalogue catalogue =
            CatalogueOf({"m4,  M4A1 ,,5,,,,,,,,,", "tags,Dog Tags,,0,,,,,,,,,", "", "m4b,M4A1,,-6,,,,,,,,,",
                         "m4c,m4a1,,7,,,,,,,,,"});
        QCOMPARE(CatalogueGridItems(catalogue), (QList<qsizetype>{0, 3, 4})); // the items that cost points
        QStringList named;
        catalogue.ForEachListedAs(u"M4A1 "_s,
                                  [&named](const Equipment& item) { named.append(item.InternalName); });
        QCOMPARE(named, (QStringList{"m4", "m4b"}));
        QCOMPARE(catalogue.FirstListedAs(u" M4A1"_s)->InternalName, u"m4"_s);
        QCOMPARE(catalogue.FirstListedAs(u"M4A1\t"_s), nullptr);
        QCOMPARE(ListedName(catalogue.At(0)), u"M4A1"_s);
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "cataloguetest.moc"
