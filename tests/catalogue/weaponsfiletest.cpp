#include "catalogue/weaponsfile.h"

#include "platform/codepage.h"
#include "platform/numbers.h"
#include "support/testmain.h"
#include "support/testsupport.h"

namespace {

// A file's text and its records, each as InternalName|DisplayName|CostPoints|Weight|SpecialModes.
constexpr struct {
    const char* Name;
    const char* Text;
    const char16_t* Records;
    const char* Identifier = "InternalName";
} Files[] = {
    {"columns in any order, fields not trimmed",
     "DisplayName,CostPoints,InternalName,SpecialModes,\r\nM4,5,m4, medic ,", u"m4|M4|5|0| medic "},
    {"text after the last comma ignored", "InternalName,DisplayName,\r\nk,Knife\r\nk,Knife,",
     u"k||0|0| / k|Knife|0|0|"},
    {"names without case, not with blanks", "InternalName,DISPLAYNAME, CostPoints,\r\nk,Knife,5,",
     u"k|Knife|0|0|"},
    {"fewer fields than the header", "InternalName,DisplayName,CostPoints,\r\nk,", u"k||0|0|"},
    {"blank lines and rows before the header", "\r\nInternalName,\r\nk,\r\n\r\n",
     u"||0|0| / k||0|0| / ||0|0|"},
    {"a row holding the identifier is a header", "InternalName,DisplayName,\r\nm,The InternalName,\r\nk,K,",
     u"k|K|0|0|"},
    {"empty identifier: every text line a header", "InternalName,\r\nk,\r\n\r\n", u"||0|0|", ""},
    {"quotes are ordinary characters", "InternalName,DisplayName,SpecialModes,\r\nx,\"Rifle, long\",",
     u"x|\"Rifle|0|0| long\""},
    {"a later column of one name counts", "InternalName,DisplayName,DisplayName,\r\nk,First,Second,",
     u"k|Second|0|0|"},
    {"a title line before the header", "Weapons of 2026,by admin\r\nInternalName,DisplayName,\r\nk,Knife,",
     u"||0|0| / k|Knife|0|0|"},
    {"a header after data counts afresh", "a,b,tail\r\nInternalName,DisplayName,\r\nk,Knife,",
     u"||0|0| / k|Knife|0|0|"},
    {"lone line feeds", "InternalName,\nk,\nm,", u"k||0|0| / m||0|0|"},
    {"UTF-8 mark skipped", "\xEF\xBB\xBFInternalName,DisplayName,\r\nk,Caf\xC3\xA9,", u"k|Caf\u00E9|0|0|"},
    {"numbers rounded to even",
     "InternalName,CostPoints,Weight,\r\na,2.5,1.25,\r\nb, 3.5 ,-1000000,\r\nc,-32768,,",
     u"a||2|1.25| / b||4|-1000000| / c||-32768|0|"},
};

constexpr struct {
    const char* Name;
    const char* Row; // under InternalName,CostPoints,Weight,AmmoWeightPerUnit,
    int Column;
    const char* Message;
} BadNumbers[] = {
    {"whole number too large", "k,40000,", 2,
     "(CostPoints): \"40000\" is not a whole number from -32768 to 32767."},
    {"whole number with a unit", "k,5 pts,", 2,
     "(CostPoints): \"5 pts\" is not a whole number from -32768 to 32767."},
    {"weight with a unit", "k,1,4kg,", 3,
     "(Weight): \"4kg\" is not a decimal number from -1000000 to 1000000."},
    {"weight beyond exact sums", "k,1,1,1000000.01,", 4,
     "(AmmoWeightPerUnit): \"1000000.01\" is not a decimal number from -1000000 to 1000000."},
};

} // namespace

// Weapons files as the game and the tools around it write them, read into catalogue records.
class WeaponsFileTest : public QObject {
    Q_OBJECT
private slots:
    void read_data() { AddRows(Files); }
    void read();
    void badNumber_data() { AddRows(BadNumbers); }
    void badNumber();
    void manyHeaderRows_readInLinearTime();
    void missingFile_isReportedWithItsResolvedPath();
};

namespace {

QString RecordsOf(const QList<Equipment>& items)
{
    QStringList records;
    for (const Equipment& e : items)
        records.append(QStringList{e.InternalName, e.DisplayName, QString::number(e.CostPoints),
                                   FormatSingle(e.Weight), e.SpecialModes}
                           .join(u'|'));
    return records.join(QStringLiteral(" / "));
}

} // namespace

void WeaponsFileTest::read()
{
    const auto& row = Row(Files);
    const WeaponsFileContent content =
        ReadWeaponsFile(DecodeFileText(row.Text), QString::fromLatin1(row.Identifier));
    QVERIFY(!content.Error);
    QCOMPARE(RecordsOf(content.Items), QString::fromUtf16(row.Records));
}

void WeaponsFileTest::badNumber()
{
    const auto& row = Row(BadNumbers);
    const QString text = QStringLiteral("InternalName,CostPoints,Weight,AmmoWeightPerUnit,\r\nm,1,2,3,\r\n") +
                         QString::fromLatin1(row.Row) + QStringLiteral("\r\nn,1,");
    const WeaponsFileContent content = ReadWeaponsFile(text, QStringLiteral("InternalName"));
    QVERIFY(content.Error);
    QCOMPARE(BadWeaponsFieldMessage(QStringLiteral("C:\\Games\\Mod\\weapons.csv"), *content.Error),
             QStringLiteral(
                 "Error : Invalid value in file C:\\Games\\Mod\\weapons.csv, line 3, column %1 %2\r\n\r\n"
                 "The Application will not run without this file.")
                 .arg(row.Column)
                 .arg(QString::fromLatin1(row.Message)));
}

// Found by fuzzing: files made mostly of header rows once took time that grew with the square of their
// rows; these are sized so that such a reader would outlast the test's timeout.
void WeaponsFileTest::manyHeaderRows_readInLinearTime()
{
    const QString text = QStringLiteral("InternalName\r\n").repeated(160000) +
                         QStringLiteral("InternalName") + QStringLiteral(",").repeated(300000) +
                         QStringLiteral("DisplayName,\r\n") + QStringLiteral(",").repeated(300000) +
                         QStringLiteral("Knife,k\r\n");
    const WeaponsFileContent content = ReadWeaponsFile(text, QStringLiteral("InternalName"));
    QCOMPARE(RecordsOf(content.Items), QStringLiteral("|Knife|0|0|"));
}

void WeaponsFileTest::missingFile_isReportedWithItsResolvedPath()
{
    GameFolder game;
    game.AddFile(QStringLiteral("weapons.csv/x")); // a folder in the file's place
    AppSettings settings;
    settings.WeaponsFileName = QStringLiteral("..\\weapons.csv");
    const QString expected =
        QStringLiteral("Error : Unable to open file %1 for read access. Check the following:\r\n"
                       " - Check to ensure that the file exists. \r\n"
                       " - If using NTFS check file permissions. \r\n"
                       " - Check to ensure no other applications are holding the file open.\r\n"
                       "\r\nThe Application will not run without this file.");
    QCOMPARE(LoadWeaponsFile(settings, game.Location()).FailureMessage,
             expected.arg(game.Path(QStringLiteral("weapons.csv"))));
    const ProgramLocation tool{QStringLiteral("C:\\Games\\Mod\\Tool"), QStringLiteral("Rostermaker"),
                               PathStyle::Windows};
    QCOMPARE(WeaponsFilePath(QStringLiteral("..\\weapons.csv"), tool),
             QStringLiteral("C:\\Games\\Mod\\weapons.csv"));
    QCOMPARE(WeaponsFilePath(QStringLiteral("D:\\w.csv"), tool), QStringLiteral("D:\\w.csv"));
}

ROSTERMAKER_REGISTER_TEST(WeaponsFileTest)
#include "weaponsfiletest.moc"
