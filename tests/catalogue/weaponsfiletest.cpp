#include "catalogue/weaponsfile.h"

#include "platform/codepage.h"
#include "support/testmain.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class WeaponsFileTest : public QObject {
    Q_OBJECT
private slots:
    void headerNamesColumnsInAnyOrder();
    void textAfterLastCommaIsIgnored();
    void headerNames_matchWithoutCaseButNotWithBlanks();
    void missingColumn_leavesFieldEmpty();
    void blankLinesAndRowsBeforeHeader_giveEmptyRecords();
    void rowContainingIdentifier_isAnotherHeader();
    void emptyIdentifier_makesEveryTextLineAHeader();
    void quotesAreOrdinaryCharacters();
    void numbers_data();
    void numbers();
    void badNumber_stopsWithLineColumnAndText();
    void utf8Mark_isSkipped();
    void laterColumnOfSameNameCounts();
    void titleLineBeforeHeader_changesNoColumn();
    void loneLineFeedsEndLines();
    void missingFile_message();
    void folderInPlaceOfFile_isMissing();
    void weaponsPath_resolvesAgainstExecutable();
};

namespace {

const QString Header =
    QStringLiteral("InternalName,DisplayName,EquipmentType,CostPoints,Weight,AmmoWeightPerUnit,"
                   "AmmoUnitsIncludedWithPointCost,"
                   "NameOfAmmoUnit,ShotsPerAmmoUnit,NameOfShot,ItemRestriction,SpecialModes,");

QList<Equipment> Read(const QString& text, const QString& identifier = QStringLiteral("InternalName"))
{
    const WeaponsFileContent content = ReadWeaponsFile(text, identifier);
    if (content.Error)
        qWarning() << "unexpected error at line" << content.Error->LineNumber;
    return content.Items;
}

} // namespace

void WeaponsFileTest::headerNamesColumnsInAnyOrder()
{
    const QList<Equipment> items = Read(QStringLiteral("DisplayName,CostPoints,InternalName,SpecialModes,\r\n"
                                                       "M4A1,5,m4, medicskill ,\r\n"));
    QCOMPARE(items.size(), 1);
    QCOMPARE(items[0].InternalName, QStringLiteral("m4"));
    QCOMPARE(items[0].DisplayName, QStringLiteral("M4A1"));
    QCOMPARE(items[0].CostPoints, qint16(5));
    QCOMPARE(items[0].SpecialModes, QStringLiteral(" medicskill ")); // fields are not trimmed
}

void WeaponsFileTest::textAfterLastCommaIsIgnored()
{
    const QList<Equipment> withoutComma =
        Read(QStringLiteral("InternalName,DisplayName,\r\nknife,Knife\r\n"));
    QCOMPARE(withoutComma[0].InternalName, QStringLiteral("knife"));
    QCOMPARE(withoutComma[0].DisplayName, QString());
    const QList<Equipment> withComma = Read(QStringLiteral("InternalName,DisplayName,\r\nknife,Knife,\r\n"));
    QCOMPARE(withComma[0].DisplayName, QStringLiteral("Knife"));
}

void WeaponsFileTest::headerNames_matchWithoutCaseButNotWithBlanks()
{
    QCOMPARE(Read(QStringLiteral("InternalName,displayname,\r\nk,Knife,\r\n"))[0].DisplayName,
             QStringLiteral("Knife"));
    QCOMPARE(Read(QStringLiteral("InternalName,DISPLAYNAME,\r\nk,Knife,\r\n"))[0].DisplayName,
             QStringLiteral("Knife"));
    QCOMPARE(Read(QStringLiteral("InternalName, DisplayName,\r\nk,Knife,\r\n"))[0].DisplayName, QString());
}

void WeaponsFileTest::missingColumn_leavesFieldEmpty()
{
    const QList<Equipment> items =
        Read(QStringLiteral("InternalName,DisplayName,CostPoints,\r\nm4,M4A1,5,\r\nx,\r\n"));
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0].SpecialModes, QString());
    QCOMPARE(items[0].Weight, 0.0f);
    QCOMPARE(items[1].InternalName, QStringLiteral("x"));
    QCOMPARE(items[1].DisplayName, QString()); // fewer fields than the header
}

void WeaponsFileTest::blankLinesAndRowsBeforeHeader_giveEmptyRecords()
{
    const QList<Equipment> items = Read(Header + QStringLiteral("\r\na,A,,1,,,,,,,,,\r\nb,B,,1,,,,,,,,,\r\n"
                                                                "c,C,,1,,,,,,,,,\r\n\r\n"));
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[3].InternalName, QString());
    QCOMPARE(items[3].CostPoints, qint16(0));
    // A row before any header has no columns to fill.
    const QList<Equipment> early = Read(QStringLiteral("\r\nInternalName,\r\nk,\r\n"));
    QCOMPARE(early.size(), 2);
    QCOMPARE(early[0].InternalName, QString());
    QCOMPARE(early[1].InternalName, QStringLiteral("k"));
}

void WeaponsFileTest::rowContainingIdentifier_isAnotherHeader()
{
    const QList<Equipment> items =
        Read(Header + QStringLiteral("\r\nm4,The InternalName Rifle,,5,,,,,,,,,\r\nk,Knife,,1,,,,,,,,,\r\n"));
    QCOMPARE(items.size(), 1);
    QCOMPARE(items[0].DisplayName, QStringLiteral("Knife"));
}

void WeaponsFileTest::emptyIdentifier_makesEveryTextLineAHeader()
{
    const QList<Equipment> items = Read(Header + QStringLiteral("\r\nm4,M4A1,,5,\r\n\r\n"), QString());
    QCOMPARE(items.size(), 1); // only the blank line
    QCOMPARE(items[0].InternalName, QString());
}

void WeaponsFileTest::quotesAreOrdinaryCharacters()
{
    const QList<Equipment> items = Read(QStringLiteral("InternalName,DisplayName,EquipmentType,\r\n"
                                                       "x,\"Rifle, long\",rifle,\r\n"));
    QCOMPARE(items[0].DisplayName, QStringLiteral("\"Rifle"));
    QCOMPARE(items[0].EquipmentType, QStringLiteral(" long\""));
}

void WeaponsFileTest::numbers_data()
{
    QTest::addColumn<QString>("cost");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<int>("expectedCost");
    QTest::addColumn<float>("expectedWeight");
    QTest::newRow("2.5 rounds to 2") << "2.5"
                                     << "1.25" << 2 << 1.25f;
    QTest::newRow("3.5 rounds to 4") << "3.5"
                                     << "0.1" << 4 << 0.1f;
    QTest::newRow("empty is 0") << ""
                                << "" << 0 << 0.0f;
    QTest::newRow("blanks around") << " -2 "
                                   << " 2.5 " << -2 << 2.5f;
    QTest::newRow("limits") << "-32768"
                            << "-1000000" << -32768 << -1e6f;
}

void WeaponsFileTest::numbers()
{
    QFETCH(QString, cost);
    QFETCH(QString, weight);
    QFETCH(int, expectedCost);
    QFETCH(float, expectedWeight);
    const QList<Equipment> items =
        Read(QStringLiteral("InternalName,CostPoints,Weight,\r\nx,%1,%2,\r\n").arg(cost, weight));
    QCOMPARE(int(items[0].CostPoints), expectedCost);
    QCOMPARE(items[0].Weight, expectedWeight);
}

void WeaponsFileTest::badNumber_stopsWithLineColumnAndText()
{
    const QString text =
        Header + QStringLiteral("\r\nm4,M4A1,rifle,5,4,,,,,,,,\r\nk,Knife,knife,40000,1,,,,,,,,\r\n");
    const WeaponsFileContent content = ReadWeaponsFile(text, QStringLiteral("InternalName"));
    QVERIFY(content.Error);
    QCOMPARE(content.Error->LineNumber, 3);
    QCOMPARE(content.Error->Column, 4);
    QCOMPARE(content.Error->FieldName, QStringLiteral("CostPoints"));
    QCOMPARE(content.Error->Text, QStringLiteral("40000"));
    QCOMPARE(BadWeaponsFieldMessage(QStringLiteral("C:\\Games\\Mod\\weapons.csv"), *content.Error),
             QStringLiteral(
                 "Error : Invalid value in file C:\\Games\\Mod\\weapons.csv, line 3, column 4 (CostPoints): "
                 "\"40000\" is not a whole number from -32768 to 32767.\r\n\r\n"
                 "The Application will not run without this file."));

    const WeaponsFileContent weight = ReadWeaponsFile(
        Header + QStringLiteral("\r\nm4,M4A1,rifle,5,4kg,,,,,,,,\r\n"), QStringLiteral("InternalName"));
    QVERIFY(weight.Error);
    QCOMPARE(weight.Error->FieldName, QStringLiteral("Weight"));
    QVERIFY(!weight.Error->WholeNumber);
    // Weights whose sums the weight display could not hold exactly.
    const WeaponsFileContent heavy =
        ReadWeaponsFile(QStringLiteral("InternalName,AmmoWeightPerUnit,\r\nx,1000000.01,\r\n"),
                        QStringLiteral("InternalName"));
    QVERIFY(heavy.Error);
    QVERIFY(
        BadWeaponsFieldMessage(QStringLiteral("w.csv"), *heavy.Error)
            .contains(QStringLiteral(
                "(AmmoWeightPerUnit): \"1000000.01\" is not a decimal number from -1000000 to 1000000.")));
}

void WeaponsFileTest::utf8Mark_isSkipped()
{
    const QByteArray bytes = "\xEF\xBB\xBFInternalName,DisplayName,\r\nk,Caf\xC3\xA9,\r\n";
    const QList<Equipment> items = Read(DecodeFileText(bytes));
    QCOMPARE(items.size(), 1);
    QCOMPARE(items[0].InternalName, QStringLiteral("k"));
    QCOMPARE(items[0].DisplayName, QStringLiteral("Caf\u00E9"));
}

void WeaponsFileTest::laterColumnOfSameNameCounts()
{
    const QList<Equipment> items =
        Read(QStringLiteral("InternalName,DisplayName,DisplayName,\r\nk,First,Second,\r\n"));
    QCOMPARE(items[0].DisplayName, QStringLiteral("Second"));
}

void WeaponsFileTest::titleLineBeforeHeader_changesNoColumn()
{
    // A title line is a data row of its own; the header after it counts its columns from the first.
    const QList<Equipment> items =
        Read(QStringLiteral("a,b,tail\r\nInternalName,DisplayName,\r\nk,Knife,\r\n"));
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[1].InternalName, QStringLiteral("k"));
    QCOMPARE(items[1].DisplayName, QStringLiteral("Knife"));
}

void WeaponsFileTest::loneLineFeedsEndLines()
{
    const QList<Equipment> items = Read(QStringLiteral("InternalName,\nk,\nm,"));
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[1].InternalName, QStringLiteral("m"));
}

void WeaponsFileTest::missingFile_message()
{
    QCOMPARE(MissingWeaponsFileMessage(QStringLiteral("C:\\Games\\Mod\\weapons.csv")),
             QStringLiteral(
                 "Error : Unable to open file C:\\Games\\Mod\\weapons.csv for read access. Check the "
                 "following:\r\n - Check to ensure that the file exists. \r\n - If using NTFS check file "
                 "permissions. \r\n - Check to ensure no other applications are holding the file open.\r\n"
                 "\r\nThe Application will not run without this file."));
}

void WeaponsFileTest::folderInPlaceOfFile_isMissing()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("game/weapons.csv")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("game/tool")));
    AppSettings settings;
    settings.WeaponsFileName = QStringLiteral("..\\weapons.csv");
    settings.WeaponsFileIdentifier = QStringLiteral("InternalName");
    const WeaponsFileLoad load = LoadWeaponsFile(
        settings, {dir.filePath(QStringLiteral("game/tool")), QStringLiteral("r"), NativePathStyle()});
    QCOMPARE(load.FailureMessage, MissingWeaponsFileMessage(QDir::toNativeSeparators(
                                      dir.filePath(QStringLiteral("game/weapons.csv")))));
}

void WeaponsFileTest::weaponsPath_resolvesAgainstExecutable()
{
    const ProgramLocation tool{QStringLiteral("C:\\Games\\Mod\\Tool"), QStringLiteral("Rostermaker"),
                               PathStyle::Windows};
    QCOMPARE(WeaponsFilePath(QStringLiteral("..\\weapons.csv"), tool),
             QStringLiteral("C:\\Games\\Mod\\weapons.csv"));
    QCOMPARE(WeaponsFilePath(QStringLiteral("D:\\w.csv"), tool), QStringLiteral("D:\\w.csv"));
    const ProgramLocation posix{QStringLiteral("/games/mod/tool"), QStringLiteral("rostermaker"),
                                PathStyle::Posix};
    QCOMPARE(WeaponsFilePath(QStringLiteral("..\\weapons.csv"), posix),
             QStringLiteral("/games/mod/weapons.csv"));
}

ROSTERMAKER_REGISTER_TEST(WeaponsFileTest)
#include "weaponsfiletest.moc"
