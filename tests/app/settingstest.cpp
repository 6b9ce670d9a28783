#include "app/appsettings.h"
#include "support/testsupport.h"

#include <QDir>
#include <QHash>

namespace {

Result<AppSettings> FromValues(const QString& key, const QString& text)
{
    const ProgramLocation tool{u"C:\\Games\\Mod\\Tool"_s, u"Rostermaker"_s, PathStyle::Windows};
    return SettingsFromValues([&](const QString& asked) { return asked == key ? text : u"0"_s; }, tool);
}

} // namespace

// The settings with their defaults, the executable taken to be C:\Games\Mod\Tool\Rostermaker.exe, and the
// settings file and characters folder on a disk.
class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void value_data() { AddTableRows("settings.txt"); }
    void value()
    {
        QFETCH(TableRow, row);
        const Result<AppSettings> result = FromValues(row[u"key"], row[u"text"]);
        const AppSettings& s = *result;
        const QHash<QString, QString> fields = {
            {"Starting Points", QString::number(s.StartingPoints)},
            {"Starting Equipment Weight", s.StartingEquipmentWeight.ToText(u'.')},
            {"Character Path", s.CharacterPath},
            {"Weapons File Name", s.WeaponsFileName},
            {"Starting Equipment Name", s.StartingEquipmentName},
            {"Medical Skill Name", s.MedicalSkillName},
            {"Explosives Skill Name", s.ExplosivesSkillName},
            {"Weapons File Identifier", s.WeaponsFileIdentifier},
            {"Model Path", s.ModelPath}};
        QCOMPARE(fields.value(row[u"key"]), row[u"value"]);
        // A refused value is named with its key and the file: "\"Starting Points\" in C:\...\Rostermaker.ini
        // is 99999, ..."
        QCOMPARE(result.Messages().value(0).section(u',', 0, 0),
                 row[u"message"].isEmpty() ? QString()
                                           : u"\"%1\" in C:\\Games\\Mod\\Tool\\Rostermaker.ini is %2"_s.arg(
                                                 row[u"key"], row[u"text"]));
    }

    void settingsFileAndCharactersFolder()
    {
        GameFolder game;
        QVERIFY(QDir(game.Path(u"tool/characters"_s)).removeRecursively());
        LoadSettings(game.Location());
        QVERIFY(QDir(game.Path(u"tool/characters"_s)).exists());

        // The settings file bears the executable's name; its folder is made one level deep, or reported.
        game.AddFile(u"tool/editor-1.2.ini"_s,
                     CrLfBytes({"[application]", "starting points = 25", "Character Path=\\a\\b"}));
        const ProgramLocation editor{game.Path(u"tool"_s), u"editor-1.2"_s, NativePathStyle()};
        const Result<AppSettings> result = LoadSettings(editor);
        QCOMPARE(result->StartingPoints, qint16(25));
        QCOMPARE(result.Messages(),
                 QStringList{game.Path(u"tool/a/b"_s) +
                             u" was not found. An attempt to create the path was unsuccessfully made."_s});
        QVERIFY(QDir().mkpath(game.Path(u"tool/a"_s)));
        QVERIFY(LoadSettings(editor).Messages().isEmpty() && QDir(game.Path(u"tool/a/b"_s)).exists());

        if (NativePathStyle() == PathStyle::Windows)
            QSKIP("Windows disks do not tell case apart");
        game.AddFile(u"tool/editor-1.2.ini"_s, CrLfBytes({"[Application]", "Character Path=\\A\\B"}));
        QCOMPARE(LoadSettings(editor)->CharacterPath, game.Path(u"tool/a/b"_s)); // no second folder
        QVERIFY(!QDir(game.Path(u"tool/A"_s)).exists());
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "settingstest.moc"
