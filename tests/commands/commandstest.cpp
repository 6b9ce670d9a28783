#include "catalogue/weaponsfile.h"
#include "classfile/classfilename.h"
#include "classfile/classfilewriter.h"
#include "commands/loadclass.h"
#include "commands/saveclass.h"
#include "models/modellibrary.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

const EquipmentCatalogue& Catalogue()
{
    static const EquipmentCatalogue catalogue = CatalogueOf(StandardItems());
    return catalogue;
}

AppSettings SettingsFor(const QString& characterPath)
{
    AppSettings settings;
    settings.CharacterPath = characterPath;
    settings.StartingEquipmentName = Base;
    settings.ExplosivesSkillName = u"explosivesskill"_s;
    settings.MedicalSkillName = u"medicskill"_s;
    return settings;
}

#ifdef Q_OS_UNIX
// True when the save of a class into folder failed, in a child process whose rights or file size are cut,
// with a message naming the file.
bool SaveFailsInChild(const QString& folder, bool unprivileged)
{
    ClassRecord record;
    record.ClassName = u"Sniper"_s;
    record.Callsign = QString(300, u'x'); // more than the 64 bytes that the full disk holds
    const pid_t child = fork();
    if (child == 0) {
        // Root may write anywhere: the save runs as the unprivileged user instead.
        if (unprivileged && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        if (!unprivileged) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{64, 64};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        const Result<> saved =
            SaveClassFile(record, EquipmentCatalogue(), SettingsFor(folder), NativePathStyle());
        _exit(!saved && saved.Reason().contains(u"Sniper.cfg"_s) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
#endif

} // namespace

// Saving and loading a class through its file in the characters folder, the checks that refuse a save,
// the keyboard commands, and files and folders that the system makes odd.
class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    // The class saved under a name that an existing file bears in another case replaces that file, and
    // loads back as it was saved.
    void saveAndLoad_theFileFoundInAnyCase()
    {
        GameFolder dir;
        const AppSettings settings = SettingsFor(dir.Path());
        dir.AddFile(u"Charlie.CFG"_s, QByteArray(4096, 'x'));
        const ClassRecord charlie = ClassOf(u" Charlie "_s, u"Hawk"_s, u"trooper"_s, u"001"_s, u"002"_s,
                                            u"003"_s, u"2000400003", u"M4A1;Twin"_s);
        QVERIFY(SaveClassFile(charlie, Catalogue(), settings, NativePathStyle()));
        QCOMPARE(QDir(dir.Path()).entryList(QDir::Files), QStringList{"Charlie.CFG"});
        const QByteArray file = TestDataFile(u"charlie.cfg"_s);
        QCOMPARE(ReadTestFile(dir.Path(u"Charlie.CFG"_s)), file);
        const Result<LoadedClass> loaded = LoadClassFile(
            ClassFileToLoad(settings.CharacterPath, u"Charlie"_s, {}, NativePathStyle()), Catalogue());
        QVERIFY(loaded);
        QCOMPARE(ClassFileBytes(LoadedClassRecord(*loaded, {}, Base), Catalogue(), Base), file);
        QVERIFY(JoinsClassList({"Alpha"}, u"alpha"_s) && !JoinsClassList({"Alpha"}, u"Alpha"_s));
    }

    // Each file that the editor reads, at its size limit and one byte over: its first lines, then NUL bytes
    // up to the size, written as a sparse file, so that even the weapons file costs no time to write.
    void fileSizeLimits_data() { AddTableRows("size-limits.txt"); }
    void fileSizeLimits()
    {
        QFETCH(TableRow, row);
        GameFolder game;
        MakeStandardGame(game);
        const QString file = row[u"file"];
        game.AddFile(file, row[u"start"].toLatin1());
        QVERIFY(QFile::resize(game.Path(file), row[u"size"].toLongLong()));
        const Result<AppSettings> settings = LoadSettings(game.Location());
        QString outcome;
        if (file.endsWith(u".ini")) {
            outcome = settings.Messages().value(0, u"Starting Points %1"_s.arg(settings->StartingPoints));
        } else if (file.endsWith(u".csv")) {
            outcome = LoadWeaponsFile(*settings, game.Location()).Reason().section(u"\r\n"_s, 0, 0);
        } else if (file.endsWith(u".cfg")) {
            const Result<QByteArray> bytes = ReadClassFileBytes(game.Path(file));
            outcome =
                bytes ? ReadClassFile(*bytes, Catalogue()).ClassName.value_or(QString()) : bytes.Reason();
        } else {
            ModelLibrary models(settings->ModelPath, game.Location());
            outcome = models.DiscoverSkins(u"trooper"_s).Head.join(u' ');
        }
        QCOMPARE(outcome.replace(game.Path(), u"GAME"_s).replace(u'\\', u'/'), row[u"outcome"]);
    }

    void oddFiles_areReadOrReportedWithoutHarm()
    {
        GameFolder dir;
        const AppSettings settings = SettingsFor(dir.Path());
        // A folder in the file's place (null), an empty file, junk and a long line; each with the start of
        // its message, if any.
        const QByteArray junk = Junk(65536);
        const std::pair<QByteArray, QString> files[] = {{QByteArray(), u"Error : Unable to open file "_s},
                                                        {"", {}},
                                                        {junk, {}},
                                                        {"set callsign " + QByteArray(10 << 20, 'x'), {}}};
        const auto messageOfLoad = [&] {
            const Result<LoadedClass> loaded = LoadClassFile(
                ClassFileToLoad(settings.CharacterPath, u"Odd"_s, {}, NativePathStyle()), Catalogue());
            return loaded ? QString() : loaded.Reason().section(u" for"_s, 0, 0);
        };
        for (const auto& [file, message] : files) {
            dir.AddFile(file.isNull() ? u"Odd.cfg/x"_s : u"Odd.cfg"_s, file);
            QCOMPARE(messageOfLoad().left(message.size()), message);
            if (file.isNull())
                QVERIFY(QDir(dir.Path(u"Odd.cfg"_s)).removeRecursively());
        }
#ifdef Q_OS_UNIX
        // A pipe and a link to an endless device are refused, never waited on or read without end.
        for (const QString& odd : {u"pipe"_s, u"/dev/zero"_s}) {
            QVERIFY(QFile::remove(dir.Path(u"Odd.cfg"_s)));
            QVERIFY(odd == u"pipe" ? mkfifo(qPrintable(dir.Path(u"Odd.cfg"_s)), 0600) == 0
                                   : QFile::link(odd, dir.Path(u"Odd.cfg"_s)));
            QCOMPARE(messageOfLoad(), u"Error : Unable to open file "_s + dir.Path(u"Odd.cfg"_s));
        }
#endif
        // A characters folder removed while the editor runs is made again; one whose parent is gone too
        // is reported.
        ClassRecord record;
        record.ClassName = u"Ranger"_s;
        QVERIFY(SaveClassFile(record, Catalogue(), SettingsFor(dir.Path(u"gone"_s)), NativePathStyle()));
        QVERIFY(QFile::exists(dir.Path(u"gone/Ranger.cfg"_s)));
        QCOMPARE(SaveClassFile(record, Catalogue(), SettingsFor(dir.Path(u"lost/gone"_s)), NativePathStyle())
                     .Reason(),
                 dir.Path(u"lost/gone"_s) +
                     u" was not found. An attempt to create the path was unsuccessfully made."_s);
    }

    // The window shows the refusals of the Save button and of Alt+S; what it does not meet is here.
    void saveButtonAndAltS_refuseOnlyWhatTheyCheck()
    {
        QCOMPARE(SaveButtonRefusal(u"0"_s, u" <New Class>"_s), std::nullopt);
        QCOMPARE(AltSaveRefusal(u"0"_s), std::nullopt);
    }

    // Refused saves touch no file: the skill check comes first, then the name.
    void refusedSaves_touchNoFile()
    {
        GameFolder dir;
        dir.AddFile(u"Sniper.cfg"_s, "old");
        ClassRecord record =
            ClassOf(u"Sni:per"_s, {}, {}, {}, {}, {}, {}, u"C4 Charge"_s); // needs explosives
        const Result<> refused =
            SaveClassFile(record, Catalogue(), SettingsFor(dir.Path()), NativePathStyle());
        QCOMPARE(refused.Messages(),
                 QStringList{u"You must posess an explosives skill to handle explosives"_s});
        QVERIFY(!refused);
        record.Entries.removeLast();
        QVERIFY(!SaveClassFile(record, Catalogue(), SettingsFor(dir.Path()), NativePathStyle()));
        QCOMPARE(ReadTestFile(dir.Path(u"Sniper.cfg"_s)), QByteArray("old"));
    }

    // Saves that the system refuses half way, in a child process: a characters folder without write rights
    // (the old file itself may be written by anybody), and a full disk.
    void savesCutHalfWay_areReportedFileKept()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs fork, setuid and setrlimit");
#else
        GameFolder dir;
        const QString folder = dir.Path(u"tool/characters"_s);
        dir.AddFile(u"tool/characters/Sniper.cfg"_s, "old");
        const auto all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther |
                         QFileDevice::WriteOther;
        QVERIFY(QFile::setPermissions(folder + u"/Sniper.cfg"_s, all));
        const auto readAndList = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                 QFileDevice::ExeOther | QFileDevice::ReadGroup | QFileDevice::ExeGroup;
        for (const QString& path : {dir.Path(), dir.Path(u"tool"_s)})
            QVERIFY(QFile::setPermissions(path, readAndList | QFileDevice::WriteOwner));
        QVERIFY(QFile::setPermissions(folder, readAndList));
        QVERIFY(SaveFailsInChild(folder, true));
        QVERIFY(QFile::setPermissions(folder, readAndList | QFileDevice::WriteOwner));
        QVERIFY(SaveFailsInChild(folder, false));
        QCOMPARE(ReadTestFile(folder + u"/Sniper.cfg"_s), QByteArray("old"));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"Sniper.cfg"});
#endif
    }
};

QTEST_GUILESS_MAIN(CommandsTest)
#include "commandstest.moc"
