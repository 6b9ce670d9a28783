#include "classfile/classsave.h"

#include "classfile/classfilename.h"
#include "classfile/classfilewriter.h"
#include "classfile/classload.h"
#include "classfiledata.h"
#include "support/testmain.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Saving a class to its file in the characters folder and loading it from there: the checks that refuse a
// save, failures of the file system, and class files named in another case.
class ClassSaveTest : public QObject {
    Q_OBJECT
private slots:
    void savedThenLoaded_givesSameClass();
    void refusedSave_touchesNoFile_data();
    void refusedSave_touchesNoFile();
    void classNameRefusal_data();
    void classNameRefusal();
    void classFilePath_data();
    void classFilePath();
    void classFileInOtherCase_isReplacedAndLoaded();
    void missingClassFile_givesMessageWithPath();
};

namespace {

const QString NameCheck =
    QStringLiteral("As the Character name is used as the file name the following symbols are "
                   "not permitted in the characters name: < > * & | / \\ : ? \"");
const QString DeviceName =
    QStringLiteral("As the Character name is used as the file name, the names that Windows "
                   "keeps for devices are not permitted: CON, PRN, AUX, NUL, COM1 to COM9 "
                   "and LPT1 to LPT9.");
const QString EmptyName = QStringLiteral("As the Character name is used as the file name, it cannot be empty "
                                         "or made of blanks only. Type a name for the class.");
const QString DotInName = QStringLiteral(
    "As the Character name is used as the file name, it may not contain a dot: the class list shows a class "
    "file only by the part of its name before the first dot, so the class could not be found again.");
const QString OutsideCodePage = QStringLiteral("As the Character name is written into the class file, it may "
                                               "only hold characters of the system's code page. These "
                                               "characters are not permitted: ");
const QString NeedsExplosives = QStringLiteral("You must posess an explosives skill to handle explosives");

AppSettings SettingsFor(const QString& characterPath)
{
    AppSettings settings;
    settings.CharacterPath = QDir::toNativeSeparators(characterPath);
    settings.StartingEquipmentName = StartingItem;
    settings.ExplosivesSkillName = QStringLiteral("Explosives");
    settings.MedicalSkillName = QStringLiteral("Medical");
    return settings;
}

ClassRecord Sniper(const QString& className)
{
    ClassRecord record = RecordFromDescription(DescriptionLines(QStringLiteral("sniper.class")));
    record.ClassName = className;
    return record;
}

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

void ClassSaveTest::savedThenLoaded_givesSameClass()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sniper.cfg"));
    QVERIFY(WriteTestFile(path, QByteArray(4096, 'x')));
    const AppSettings settings = SettingsFor(dir.path());

    const SaveOutcome saved =
        SaveClassFile(Sniper(QStringLiteral(" Sniper ")), TestCatalogue(), settings, NativePathStyle());
    QCOMPARE(saved.Saved, true);
    QCOMPARE(saved.Message.value_or(QString()), QString());
    QCOMPARE(FilesIn(dir.path()), QStringList{QStringLiteral("Sniper.cfg")});
    QCOMPARE(ReadTestFile(path), ReadTestFile(DataPath(QStringLiteral("sniper.cfg"))));

    const LoadOutcome loaded =
        LoadClassFile(QStringLiteral(" Sniper "), settings, TestCatalogue(), NativePathStyle());
    QVERIFY(loaded.Loaded);
    QCOMPARE(DescriptionOf(*loaded.Loaded), DescriptionLines(QStringLiteral("sniper.loaded")));
}

void ClassSaveTest::refusedSave_touchesNoFile_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("withCharge");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("skill missing") << "Sniper" << true << NeedsExplosives;
    QTest::newRow("skill checked before name") << "Sni?per" << true << NeedsExplosives;
    QTest::newRow("apostrophe") << "Sniper's" << false << NameCheck;
    QTest::newRow("new class") << "<New Class>" << false << NameCheck;
    QTest::newRow("line break") << "Sni\r\nper" << false << NameCheck;
    QTest::newRow("device name") << "con" << false << DeviceName;
}

void ClassSaveTest::refusedSave_touchesNoFile()
{
    QFETCH(QString, className);
    QFETCH(bool, withCharge);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Sniper.cfg"));
    QVERIFY(WriteTestFile(path, "old"));
    ClassRecord record = Sniper(className);
    if (withCharge)
        record.Entries.append(QStringLiteral("C4 Charge"));

    const SaveOutcome outcome =
        SaveClassFile(record, TestCatalogue(), SettingsFor(dir.path()), NativePathStyle());
    QCOMPARE(outcome.Saved, false);
    QCOMPARE(outcome.Message.value_or(QString()), refusal);
    QCOMPARE(FilesIn(dir.path()), QStringList{QStringLiteral("Sniper.cfg")});
    QCOMPARE(ReadTestFile(path), QByteArray("old"));
}

void ClassSaveTest::classNameRefusal_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("refusal");
    for (const QChar c : QStringLiteral("<>&*/\\|:?'\""))
        QTest::addRow("symbol %c", c.toLatin1())
            << QStringLiteral("Sni") + c + QStringLiteral("per") << NameCheck;
    QTest::newRow("tab") << "Sni\tper" << NameCheck;
    QTest::newRow("nul") << QStringLiteral("Sniper") + QChar(0) << NameCheck;
    QTest::newRow("delete") << "Sniper\x7f" << NameCheck;
    QTest::newRow("CON") << "CON" << DeviceName;
    QTest::newRow("blanks around") << " nul " << DeviceName;
    QTest::newRow("before a dot") << "Aux.old" << DotInName;
    QTest::newRow("port") << "com7" << DeviceName;
    QTest::newRow("printer") << "LPT9" << DeviceName;
    QTest::newRow("superscript port") << QStringLiteral("COM\u00B2") << DeviceName;
    QTest::newRow("device name inside") << "Console" << QString();
    QTest::newRow("port ten") << "COM10" << QString();
    QTest::newRow("port zero") << "LPT0" << QString();
    QTest::newRow("version") << "v1.2" << DotInName;
    QTest::newRow("hidden") << ".hidden" << DotInName;
    QTest::newRow("empty") << "" << EmptyName;
    QTest::newRow("blanks") << "   " << EmptyName;
    QTest::newRow("cyrillic, each letter once")
        << QStringLiteral("\u0421\u043D\u0430\u0439\u043F\u0435\u0440 \u0421")
        << OutsideCodePage + QStringLiteral("\u0421\u043D\u0430\u0439\u043F\u0435\u0440");
    QTest::newRow("western european") << QStringLiteral("Schütze Œuvre €") << QString();
    QTest::newRow("hyphen") << "Sniper-2" << QString();
}

void ClassSaveTest::classNameRefusal()
{
    QFETCH(QString, className);
    QFETCH(QString, refusal);
    QCOMPARE(ClassNameRefusal(className).value_or(QString()), refusal);
}

void ClassSaveTest::classFilePath_data()
{
    QTest::addColumn<QString>("characterPath");
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("path");
    QTest::newRow("windows") << "C:\\Halcyx\\characters"
                             << " Sniper " << true << "C:\\Halcyx\\characters\\Sniper.cfg";
    QTest::newRow("windows dot kept") << "C:\\chars"
                                      << "Sniper.v2" << true << "C:\\chars\\Sniper.v2.cfg";
    QTest::newRow("windows empty name") << "C:\\chars"
                                        << "" << true << "C:\\chars\\.cfg";
    QTest::newRow("posix") << "/home/ann/characters"
                           << "Sniper " << false << "/home/ann/characters/Sniper.cfg";
}

void ClassSaveTest::classFilePath()
{
    QFETCH(QString, characterPath);
    QFETCH(QString, className);
    QFETCH(bool, windows);
    QFETCH(QString, path);
    QCOMPARE(ClassFilePath(characterPath, className, windows ? PathStyle::Windows : PathStyle::Posix), path);
}

void ClassSaveTest::classFileInOtherCase_isReplacedAndLoaded()
{
    if (NativePathStyle() == PathStyle::Windows)
        QSKIP("Windows disks do not tell case apart");
    QTemporaryDir dir;
    QVERIFY(WriteTestFile(dir.filePath(QStringLiteral("Charlie.CFG")), "old"));
    const AppSettings settings = SettingsFor(dir.path());
    const ClassRecord record = Sniper(QStringLiteral("Charlie"));

    QCOMPARE(SaveClassFile(record, TestCatalogue(), settings, NativePathStyle()).Saved, true);
    QCOMPARE(FilesIn(dir.path()), QStringList{QStringLiteral("Charlie.CFG")});
    QCOMPARE(ReadTestFile(dir.filePath(QStringLiteral("Charlie.CFG"))),
             ClassFileBytes(record, TestCatalogue(), StartingItem));

    const LoadOutcome loaded =
        LoadClassFile(QStringLiteral("Charlie"), settings, TestCatalogue(), NativePathStyle());
    QVERIFY(loaded.Loaded);
    QCOMPARE(loaded.Loaded->ClassName.value_or(QString()), QStringLiteral("Charlie"));
}

void ClassSaveTest::missingClassFile_givesMessageWithPath()
{
    QTemporaryDir dir;
    const LoadOutcome outcome =
        LoadClassFile(QStringLiteral("Ghost "), SettingsFor(dir.path()), TestCatalogue(), NativePathStyle());
    QVERIFY(!outcome.Loaded);
    QCOMPARE(outcome.Message.value_or(QString()),
             QStringLiteral("Error : Unable to open file ") +
                 QDir::toNativeSeparators(dir.filePath(QStringLiteral("Ghost.cfg"))) +
                 QStringLiteral(
                     " for read access. Check the following:\r\n - Check to ensure that the file exists. \r\n"
                     " - If using NTFS check file permissions. \r\n"
                     " - Check to ensure no other applications are holding the file open."));
}

ROSTERMAKER_REGISTER_TEST(ClassSaveTest)
#include "classsavetest.moc"
