#include "app/appsettings.h"
#include "platform/inifile.h"
#include "support/testmain.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

// The settings with their defaults, in the Windows style verbatim (C:\Games\Mod\Tool) and in the Posix
// style, and the settings file and characters folder on a real disk.
class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void noValues_giveDefaults();
    void startingPoints_data();
    void startingPoints();
    void startingEquipmentWeight_data();
    void startingEquipmentWeight();
    void characterPath_data();
    void characterPath();
    void textSettings_zeroIsDefaultButEmptyStays();
    void missingSettingsFile_reportsOnceAndCreatesCharacters();
    void settingsFile_isNamedAfterExecutable();
    void characterFolderThatCannotBeMade_isReported();
    void characterFolderInOtherCase_isUsed();
};

namespace {

const ProgramLocation WindowsTool{QStringLiteral("C:\\Games\\Mod\\Tool"), QStringLiteral("Rostermaker"),
                                  PathStyle::Windows};
const ProgramLocation PosixTool{QStringLiteral("/games/mod/tool"), QStringLiteral("rostermaker"),
                                PathStyle::Posix};

SettingsResult FromValues(const QHash<QString, QString>& values,
                          const ProgramLocation& location = WindowsTool)
{
    return SettingsFromValues(
        [&values](const QString& key) { return values.value(key, QStringLiteral("0")); }, location);
}

} // namespace

void SettingsTest::noValues_giveDefaults()
{
    const SettingsResult result = FromValues({});
    const AppSettings& s = result.Settings;
    QCOMPARE(result.Messages, QStringList());
    QCOMPARE(s.SettingsFilePath, QStringLiteral("C:\\Games\\Mod\\Tool\\Rostermaker.ini"));
    QCOMPARE(s.WeaponsFileIdentifier, QStringLiteral("InternalName"));
    QCOMPARE(s.StartingEquipmentName, QStringLiteral("Base (Clothing and Shoes/Boots/Knife)"));
    QCOMPARE(s.StartingEquipmentWeight, FixedDecimal::FromTenThousandths(39200));
    QCOMPARE(s.MedicalSkillName, QStringLiteral("medicskill"));
    QCOMPARE(s.ExplosivesSkillName, QStringLiteral("explosivesskill"));
    QCOMPARE(s.CharacterPath, QStringLiteral("C:\\Games\\Mod\\Tool\\characters"));
    QCOMPARE(s.ModelPath, QStringLiteral("0"));
    QCOMPARE(s.StartingPoints, qint16(30));
    QCOMPARE(s.WeaponsFileName, QStringLiteral("..\\weapons.csv"));

    const AppSettings posix = FromValues({}, PosixTool).Settings;
    QCOMPARE(posix.SettingsFilePath, QStringLiteral("/games/mod/tool/rostermaker.ini"));
    QCOMPARE(posix.CharacterPath, QStringLiteral("/games/mod/tool/characters"));
}

void SettingsTest::startingPoints_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("message");
    QTest::newRow("0") << "0" << 30 << false;
    QTest::newRow("abc") << "abc" << 30 << false;
    QTest::newRow("empty") << "" << 30 << false;
    QTest::newRow("-5") << "-5" << -5 << false;
    QTest::newRow("12.5") << "12.5" << 12 << false;
    QTest::newRow("13.5") << "13.5" << 14 << false;
    QTest::newRow("1 5") << "1 5" << 15 << false;
    QTest::newRow("0.4 rounds to 0") << "0.4" << 30 << false;
    QTest::newRow("hex") << "&H20" << 32 << false;
    QTest::newRow("32767") << "32767" << 32767 << false;
    QTest::newRow("-32768") << "-32768" << -32768 << false;
    QTest::newRow("99999 refused") << "99999" << 30 << true;
    QTest::newRow("-40000 refused") << "-40000" << 30 << true;
    QTest::newRow("1E999 refused") << "1E999" << 30 << true;
}

void SettingsTest::startingPoints()
{
    QFETCH(QString, text);
    QFETCH(int, points);
    QFETCH(bool, message);
    const SettingsResult result = FromValues({{QStringLiteral("Starting Points"), text}});
    QCOMPARE(int(result.Settings.StartingPoints), points);
    QCOMPARE(result.Messages.size(), message ? 1 : 0);
    if (message) {
        QVERIFY(result.Messages.first().contains(QStringLiteral("\"Starting Points\"")));
        QVERIFY(result.Messages.first().contains(text));
        QVERIFY(result.Messages.first().endsWith(QStringLiteral("The default 30 is used.")));
    }
}

void SettingsTest::startingEquipmentWeight_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("tenThousandths");
    QTest::newRow("4,5 stops at the comma") << "4,5" << qint64(40000);
    QTest::newRow("0.00004 rounds to 0: default") << "0.00004" << qint64(39200);
    QTest::newRow("absent") << "0" << qint64(39200);
    QTest::newRow("five decimals rounded") << "1.23456" << qint64(12346);
    QTest::newRow("negative") << "-2" << qint64(-20000);
    QTest::newRow("too large: default") << "1E300" << qint64(39200);
}

void SettingsTest::startingEquipmentWeight()
{
    QFETCH(QString, text);
    QFETCH(qint64, tenThousandths);
    const SettingsResult result = FromValues({{QStringLiteral("Starting Equipment Weight"), text}});
    QCOMPARE(result.Settings.StartingEquipmentWeight.TenThousandths(), tenThousandths);
}

void SettingsTest::characterPath_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const int windows = int(PathStyle::Windows);
    const int posix = int(PathStyle::Posix);
    QTest::newRow("win empty is the tool folder") << windows << ""
                                                  << "C:\\Games\\Mod\\Tool";
    QTest::newRow("win drive used unchanged") << windows << "D:\\Classes"
                                              << "D:\\Classes";
    QTest::newRow("win parent") << windows << "..\\classes"
                                << "C:\\Games\\Mod\\classes";
    QTest::newRow("posix empty") << posix << ""
                                 << "/games/mod/tool";
    QTest::newRow("posix full path") << posix << "/srv/classes"
                                     << "/srv/classes";
    QTest::newRow("posix parent") << posix << "..\\classes"
                                  << "/games/mod/classes";
    QTest::newRow("posix parent with slash") << posix << "../classes"
                                             << "/games/mod/classes";
}

void SettingsTest::characterPath()
{
    QFETCH(int, style);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const ProgramLocation location = PathStyle(style) == PathStyle::Windows ? WindowsTool : PosixTool;
    QCOMPARE(FromValues({{QStringLiteral("Character Path"), text}}, location).Settings.CharacterPath,
             expected);
}

void SettingsTest::textSettings_zeroIsDefaultButEmptyStays()
{
    const AppSettings s = FromValues({{QStringLiteral("Weapons File Name"), QStringLiteral("00")},
                                      {QStringLiteral("Starting Equipment Name"), QString()},
                                      {QStringLiteral("Medical Skill Name"), QStringLiteral(" 0")},
                                      {QStringLiteral("Model Path"), QStringLiteral("..\\models")}})
                              .Settings;
    QCOMPARE(s.WeaponsFileName, QStringLiteral("00"));
    QCOMPARE(s.StartingEquipmentName, QString());
    QCOMPARE(s.MedicalSkillName, QStringLiteral(" 0"));
    QCOMPARE(s.ModelPath, QStringLiteral("..\\models"));
    QCOMPARE(FromValues({{QStringLiteral("Weapons File Name"), QStringLiteral("  x.csv  ")}})
                 .Settings.WeaponsFileName,
             QStringLiteral("x.csv"));
}

void SettingsTest::missingSettingsFile_reportsOnceAndCreatesCharacters()
{
    QTemporaryDir dir;
    const ProgramLocation location{dir.path(), QStringLiteral("rostermaker"), NativePathStyle()};
    const SettingsResult result = LoadSettings(location);
    const QString settingsFile = QDir::toNativeSeparators(dir.filePath(QStringLiteral("rostermaker.ini")));
    QCOMPARE(result.Messages, QStringList{settingsFile + QStringLiteral(" not found. Defaults used.")});
    QCOMPARE(result.Settings.StartingPoints, qint16(30));
    QVERIFY(QDir(dir.filePath(QStringLiteral("characters"))).exists());
}

void SettingsTest::settingsFile_isNamedAfterExecutable()
{
    QTemporaryDir dir;
    QVERIFY(WriteTestFile(dir.filePath(QStringLiteral("editor.ini")),
                          CrLfBytes({"[application]", "starting points = 25", "Character Path=\\classes",
                                     "Model Path=\"..\\models\"", "Weapons File Name = ..\\w.csv "})));
    const SettingsResult result = LoadSettings({dir.path(), QStringLiteral("editor"), NativePathStyle()});
    QCOMPARE(result.Messages, QStringList());
    QCOMPARE(result.Settings.StartingPoints, qint16(25));
    QCOMPARE(result.Settings.ModelPath, QStringLiteral("..\\models"));
    QCOMPARE(result.Settings.WeaponsFileName, QStringLiteral("..\\w.csv"));
    QVERIFY(QDir(dir.filePath(QStringLiteral("classes"))).exists());
}

void SettingsTest::characterFolderThatCannotBeMade_isReported()
{
    QTemporaryDir dir;
    QVERIFY(WriteTestFile(dir.filePath(QStringLiteral("rostermaker.ini")),
                          CrLfBytes({"[Application]", "Character Path=\\missing\\classes"})));
    const SettingsResult result =
        LoadSettings({dir.path(), QStringLiteral("rostermaker"), NativePathStyle()});
    const QString folder = QDir::toNativeSeparators(dir.filePath(QStringLiteral("missing/classes")));
    QCOMPARE(result.Messages,
             QStringList{
                 folder +
                 QStringLiteral(" was not found. An attempt to create the path was unsuccessfully made.")});
    QCOMPARE(result.Settings.CharacterPath, folder);
}

void SettingsTest::characterFolderInOtherCase_isUsed()
{
    if (NativePathStyle() == PathStyle::Windows)
        QSKIP("Windows disks do not tell case apart");
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Characters")));
    const SettingsResult result =
        LoadSettings({dir.path(), QStringLiteral("rostermaker"), NativePathStyle()});
    QCOMPARE(result.Settings.CharacterPath, dir.filePath(QStringLiteral("Characters")));
    QVERIFY(!QDir(dir.filePath(QStringLiteral("characters"))).exists());
}

ROSTERMAKER_REGISTER_TEST(SettingsTest)
#include "settingstest.moc"
