#include "app/appsettings.h"
#include "app/classlist.h"
#include "support/testmain.h"
#include "support/testsupport.h"

#include <QDir>

namespace {

// One setting given as Text, and the field it fills as the settings then hold it.
constexpr struct {
    const char* Name;
    const char* Key;
    const char* Text;
    const char* Expected;
    bool Refused = false;
} Values[] = {
    {"points 0 is the default", "Starting Points", "0", "30"},
    {"points not a number", "Starting Points", "abc", "30"},
    {"points -5", "Starting Points", "-5", "-5"},
    {"points 12.5 to even", "Starting Points", "12.5", "12"},
    {"points 13.5 to even", "Starting Points", "13.5", "14"},
    {"points with a blank", "Starting Points", "1 5", "15"},
    {"points 0.4 is 0", "Starting Points", "0.4", "30"},
    {"points hexadecimal", "Starting Points", "&H20", "32"},
    {"points lowest", "Starting Points", "-32768", "-32768"},
    {"points too many", "Starting Points", "32767.5", "30", true},
    {"points too few", "Starting Points", "-40000", "30", true},
    {"weight comma ends it", "Starting Equipment Weight", "4,5", "4"},
    {"weight rounds to 0", "Starting Equipment Weight", "0.00004", "3.92"},
    {"weight four decimals", "Starting Equipment Weight", "1.23456", "1.2346"},
    {"weight negative", "Starting Equipment Weight", "-2", "-2"},
    {"weight too large", "Starting Equipment Weight", "1E300", "3.92", true},
    {"characters empty", "Character Path", "", "C:\\Games\\Mod\\Tool"},
    {"characters drive", "Character Path", "D:\\Classes", "D:\\Classes"},
    {"characters parent", "Character Path", "..\\classes", "C:\\Games\\Mod\\classes"},
    {"weapons file 0", "Weapons File Name", "0", "..\\weapons.csv"},
    {"weapons file 00", "Weapons File Name", "00", "00"},
    {"weapons file trimmed", "Weapons File Name", "  x.csv  ", "x.csv"},
    {"empty name stays empty", "Starting Equipment Name", "", ""},
    {"0 after a blank is no 0", "Medical Skill Name", " 0", " 0"},
    {"model path as written", "Model Path", "..\\models", "..\\models"},
};

} // namespace

// The settings with their defaults, the executable taken to be C:\Games\Mod\Tool\Rostermaker.exe (and
// /games/mod/tool/rostermaker), and the settings file, characters folder and class list on a real disk.
class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void value_data() { AddRows(Values); }
    void value();
    void noValues_giveDefaults();
    void settingsFile_missingIsReported_charactersFolderMade();
    void charactersFolder_thatCannotBeMadeIsReported_otherCaseIsUsed();
    void classList_namesCutAtTheFirstDot();
};

namespace {

const ProgramLocation WindowsTool{QStringLiteral("C:\\Games\\Mod\\Tool"), QStringLiteral("Rostermaker"),
                                  PathStyle::Windows};

SettingsResult FromValues(const QString& key, const QString& text,
                          const ProgramLocation& location = WindowsTool)
{
    return SettingsFromValues([&](const QString& asked) { return asked == key ? text : QStringLiteral("0"); },
                              location);
}

QString Field(const AppSettings& s, const QString& key)
{
    if (key == QStringLiteral("Starting Points"))
        return QString::number(s.StartingPoints);
    if (key == QStringLiteral("Starting Equipment Weight"))
        return s.StartingEquipmentWeight.ToText(u'.');
    if (key == QStringLiteral("Character Path"))
        return s.CharacterPath;
    if (key == QStringLiteral("Weapons File Name"))
        return s.WeaponsFileName;
    if (key == QStringLiteral("Starting Equipment Name"))
        return s.StartingEquipmentName;
    return key == QStringLiteral("Model Path") ? s.ModelPath : s.MedicalSkillName;
}

} // namespace

void SettingsTest::value()
{
    const auto& row = Row(Values);
    const SettingsResult result = FromValues(QString::fromLatin1(row.Key), QString::fromLatin1(row.Text));
    QCOMPARE(Field(result.Settings, QString::fromLatin1(row.Key)), QString::fromLatin1(row.Expected));
    QCOMPARE(result.Messages.size(), row.Refused ? 1 : 0);
    if (row.Refused) // the key, the file, the value and the default
        QVERIFY(result.Messages.first().startsWith(
            QStringLiteral("\"%1\" in C:\\Games\\Mod\\Tool\\Rostermaker.ini is %2, ")
                .arg(QString::fromLatin1(row.Key), QString::fromLatin1(row.Text))));
}

void SettingsTest::noValues_giveDefaults()
{
    const AppSettings s = FromValues(QString(), QString()).Settings;
    QCOMPARE(s.SettingsFilePath, QStringLiteral("C:\\Games\\Mod\\Tool\\Rostermaker.ini"));
    const QStringList texts = {s.WeaponsFileIdentifier,
                               s.StartingEquipmentName,
                               s.StartingEquipmentWeight.ToText(u'.'),
                               s.MedicalSkillName,
                               s.ExplosivesSkillName,
                               s.CharacterPath,
                               s.ModelPath,
                               QString::number(s.StartingPoints),
                               s.WeaponsFileName};
    QCOMPARE(texts, (QStringList{"InternalName", Base, "3.92", "medicskill", "explosivesskill",
                                 "C:\\Games\\Mod\\Tool\\characters", "0", "30", "..\\weapons.csv"}));
    const ProgramLocation posixTool{QStringLiteral("/games/mod/tool"), QStringLiteral("rostermaker"),
                                    PathStyle::Posix};
    QCOMPARE(FromValues(QString(), QString(), posixTool).Settings.CharacterPath,
             QStringLiteral("/games/mod/tool/characters"));
    QCOMPARE(FromValues(QStringLiteral("Character Path"), QStringLiteral("../c"), posixTool)
                 .Settings.CharacterPath,
             QStringLiteral("/games/mod/c"));
}

void SettingsTest::settingsFile_missingIsReported_charactersFolderMade()
{
    GameFolder game;
    QCOMPARE(LoadSettings(game.Location()).Messages,
             QStringList{game.Path(QStringLiteral("tool/rostermaker.ini")) +
                         QStringLiteral(" not found. Defaults used.")});
    QVERIFY(QDir(game.Path(QStringLiteral("tool/characters"))).exists());

    game.AddFile(QStringLiteral("tool/editor-1.2.ini"),
                 CrLfBytes({"[application]", "starting points = 25", "Character Path=\\classes",
                            "Model Path=\"..\\m\""}));
    const SettingsResult result =
        LoadSettings({game.Path(QStringLiteral("tool")), QStringLiteral("editor-1.2"), NativePathStyle()});
    QCOMPARE(result.Messages, QStringList());
    QCOMPARE(result.Settings.StartingPoints, qint16(25));
    QCOMPARE(result.Settings.ModelPath, QStringLiteral("..\\m"));
    QVERIFY(QDir(game.Path(QStringLiteral("tool/classes"))).exists());
}

void SettingsTest::charactersFolder_thatCannotBeMadeIsReported_otherCaseIsUsed()
{
    GameFolder game;
    game.WriteSettings({"[Application]", "Character Path=\\missing\\classes"});
    const QString folder = game.Path(QStringLiteral("tool/missing/classes"));
    const SettingsResult result = LoadSettings(game.Location());
    QCOMPARE(result.Messages,
             QStringList{
                 folder +
                 QStringLiteral(" was not found. An attempt to create the path was unsuccessfully made.")});
    QCOMPARE(result.Settings.CharacterPath, folder);

    if (NativePathStyle() == PathStyle::Windows)
        QSKIP("Windows disks do not tell case apart");
    game.WriteSettings({"[Application]", "Character Path=\\Classes"});
    QVERIFY(QDir().mkpath(game.Path(QStringLiteral("tool/CLASSES"))));
    QCOMPARE(LoadSettings(game.Location()).Settings.CharacterPath, game.Path(QStringLiteral("tool/CLASSES")));
    QVERIFY(!QDir(game.Path(QStringLiteral("tool/Classes"))).exists());
}

void SettingsTest::classList_namesCutAtTheFirstDot()
{
    GameFolder game;
    for (const char* name : {"bravo.cfg", "Alpha.old.cfg", "Charlie.CFG", "Alpha.cfg.bak", "Delta.txt"})
        game.AddFile(QStringLiteral("tool/characters/") + QString::fromLatin1(name));
    QCOMPARE(ClassNamesInFolder(game.Path(QStringLiteral("tool/characters"))),
             (QStringList{"Alpha", "bravo", "Charlie"}));
    QCOMPARE(ClassNamesInFolder(game.Path(QStringLiteral("missing"))), QStringList());
}

ROSTERMAKER_REGISTER_TEST(SettingsTest)
#include "settingstest.moc"
