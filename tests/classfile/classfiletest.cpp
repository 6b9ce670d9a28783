#include "classfile/classfilename.h"
#include "classfile/classfilewriter.h"
#include "classfile/classload.h"
#include "classfile/classsave.h"
#include "classfile/keyboardcommands.h"
#include "classfile/savechecks.h"
#include "platform/codepage.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

// Class files byte for byte. The data folder holds, per case, the class as the window holds it
// (<case>.class), its file (<case>.cfg) and what reading that file sets (<case>.loaded): UTF-8 lines
// "Key=value" with percent escapes in the value (%20 for an edge blank, %0D%0A for a line break), "#"
// starting a comment; the keys, in this order: ClassName, Callsign, Model, HeadSkin, BodySkin, LegsSkin,
// one proficiency keyword per level ("pistol=2"), Entry once per entry. Then saving and loading them, the
// checks before a save, the keyboard commands, and saves that the system refuses half way.
class ClassFileTest : public QObject {
    Q_OBJECT
private slots:
    void written_data() { AddCases(u"class"_s); }
    void written();
    void read_data() { AddCases(u"loaded"_s); }
    void read();
    void readThenWritten_data() { AddCases(u"class"_s, u"shared-display-name"_s); }
    void readThenWritten();
    void saveAndLoad_theFileFoundInAnyCase();
    void classNameRefusal_data() { AddTableRows("class-names.txt"); }
    void classNameRefusal();
    void saveChecksAndKeyboardCommands();
    void readOnlyCharactersFolder_saveReportedFileKept();
    void fullDisk_saveReportedFileKept();

private:
    static void AddCases(const QString& extension, const QString& except = {});
};

namespace {

const EquipmentCatalogue& Catalogue()
{
    static const EquipmentCatalogue catalogue = CatalogueOf({
        "base,Base (Clothing and Shoes/Boots/Knife),,0,,,,,,,,,",
        "rifle_long,Long Rifle,,8,,,,,,,,,",
        "ammo_long,Long Rifle Ammo,,1,,,,,,,,,",
        "medkit,Medkit,,2,,,,,,,,,",
        "pistol_9mm,Pistol,,2,,,,,,,,,",
        "smoke,Smoke Grenade,,1,,,,,,,,,",
        "bandage,Medkit,,0,,,,,,,,,",
        "smoke,Smoke Grenade (Belt),,3,,,,,,,,,",
        "c4,C4 Charge,,4,,,,,,,,Explosives,",
        "lbv,  Load Bearing Vest ,,2,,,,,,,,,",
        ",Nameless,,1,,,,,,,,,",
    });
    return catalogue;
}

QByteArray DataFile(const QString& name)
{
    return ReadTestFile(u"" ROSTERMAKER_TEST_DATA "/"_s + name);
}

QStringList Description(const QString& fileName)
{
    QStringList lines;
    for (const QString& line : QString::fromUtf8(DataFile(fileName)).split(u'\n')) {
        if (!line.isEmpty() && !line.startsWith(u'#'))
            lines.append(line.section(u'=', 0, 0) + u'=' +
                         QUrl::fromPercentEncoding(line.section(u'=', 1).toUtf8()));
    }
    return lines;
}

const QStringList TextKeys = {"ClassName", "Callsign", "Model", "HeadSkin", "BodySkin", "LegsSkin"};

ClassRecord RecordOf(const QStringList& description)
{
    ClassRecord r;
    QString* texts[] = {&r.ClassName, &r.Callsign, &r.Model, &r.HeadSkin, &r.BodySkin, &r.LegsSkin};
    for (const QString& line : description) {
        const QString key = line.section(u'=', 0, 0);
        const QString value = line.section(u'=', 1);
        if (key == u"Entry")
            r.Entries.append(value);
        else if (TextKeys.contains(key))
            *texts[TextKeys.indexOf(key)] = value;
        for (int i = 0; i < ProficiencyCount; ++i)
            r.Levels[std::size_t(i)] =
                key == ProficiencyKeyword(ProficiencyAt(i)) ? value.toInt() : r.Levels[std::size_t(i)];
    }
    return r;
}

QStringList DescriptionOf(const LoadedClass& loaded)
{
    const std::optional<SkinSet>& skins = loaded.Skins;
    const std::optional<QString> texts[] = {loaded.ClassName,
                                            loaded.Callsign,
                                            skins ? std::optional(skins->Model) : std::nullopt,
                                            skins ? std::optional(skins->HeadSkin) : std::nullopt,
                                            skins ? std::optional(skins->BodySkin) : std::nullopt,
                                            skins ? std::optional(skins->LegsSkin) : std::nullopt};
    QStringList lines;
    for (qsizetype i = 0; i < TextKeys.size(); ++i) {
        if (texts[i])
            lines.append(TextKeys[i] + u'=' + *texts[i]);
    }
    for (int i = 0; i < ProficiencyCount; ++i) {
        if (const std::optional<int> level = loaded.Levels[std::size_t(i)])
            lines.append(ProficiencyKeyword(ProficiencyAt(i)) + u'=' + QString::number(*level));
    }
    for (const QString& entry : loaded.Entries)
        lines.append(u"Entry="_s + entry);
    return lines;
}

LoadedClass ReadCase(const QString& name)
{
    return ReadClassFile(DecodeWindows1252(DataFile(name + u".cfg"_s)), Catalogue());
}

AppSettings SettingsFor(const QString& characterPath)
{
    AppSettings settings;
    settings.CharacterPath = characterPath;
    settings.StartingEquipmentName = Base;
    settings.ExplosivesSkillName = u"explosives"_s;
    settings.MedicalSkillName = u"medicskill"_s;
    return settings;
}

// True when the save of a class into folder failed, in a child process whose rights or file size are cut,
// with a message naming the file.
bool SaveFailsInChild(const QString& folder, bool unprivileged)
{
#ifdef Q_OS_UNIX
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
        const SaveOutcome outcome =
            SaveClassFile(record, EquipmentCatalogue(), SettingsFor(folder), NativePathStyle());
        _exit(!outcome.Saved && outcome.Message.value_or(QString()).contains(u"Sniper.cfg"_s) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
#else
    Q_UNUSED(folder);
    Q_UNUSED(unprivileged);
    return false;
#endif
}

} // namespace

void ClassFileTest::AddCases(const QString& extension, const QString& except)
{
    QTest::addColumn<QString>("name");
    for (QString name : QDir(u"" ROSTERMAKER_TEST_DATA ""_s).entryList({u"*."_s + extension})) {
        name.chop(extension.size() + 1);
        if (name != except)
            QTest::newRow(qPrintable(name)) << name;
    }
}

void ClassFileTest::written()
{
    QFETCH(QString, name);
    if (name == u"all-levels" && DecodeFileText("\xE9") != u"\u00E9")
        QSKIP("the file code page is not Windows-1252");
    QCOMPARE(ClassFileBytes(RecordOf(Description(name + u".class"_s)), Catalogue(), Base),
             DataFile(name + u".cfg"_s));
}

void ClassFileTest::read()
{
    QFETCH(QString, name);
    QCOMPARE(DescriptionOf(ReadCase(name)), Description(name + u".loaded"_s));
}

// A written file reads back into the class that wrote it, as long as no two catalogue items share a
// display name (one entry then writes two lines, which read back as two entries).
void ClassFileTest::readThenWritten()
{
    QFETCH(QString, name);
    if (name == u"all-levels" && DecodeFileText("\xE9") != u"\u00E9")
        QSKIP("the file code page is not Windows-1252");
    ClassRecord record = RecordOf(DescriptionOf(ReadCase(name)));
    record.Entries.prepend(Base);
    QCOMPARE(ClassFileBytes(record, Catalogue(), Base), DataFile(name + u".cfg"_s));
}

void ClassFileTest::saveAndLoad_theFileFoundInAnyCase()
{
    GameFolder dir;
    const AppSettings settings = SettingsFor(dir.Path());
    dir.AddFile(u"Charlie.CFG"_s, QByteArray(4096, 'x'));
    ClassRecord charlie = RecordOf(Description(u"sniper.class"_s));
    charlie.ClassName = u" Charlie "_s;
    QVERIFY(SaveClassFile(charlie, Catalogue(), settings, NativePathStyle()).Saved);
    QCOMPARE(QDir(dir.Path()).entryList(QDir::Files), QStringList{"Charlie.CFG"});
    QCOMPARE(ReadTestFile(dir.Path(u"Charlie.CFG"_s)),
             DataFile(u"sniper.cfg"_s).replace("Sniper", "Charlie"));
    const LoadOutcome loaded = LoadClassFile(u"Charlie"_s, settings, Catalogue(), NativePathStyle());
    QCOMPARE(
        DescriptionOf(loaded.Loaded.value_or(LoadedClass())).join(u' ').replace(u"Charlie"_s, u"Sniper"_s),
        Description(u"sniper.loaded"_s).join(u' '));

    const LoadOutcome missing = LoadClassFile(u"Gone"_s, settings, Catalogue(), NativePathStyle());
    QVERIFY(!missing.Loaded);
    QCOMPARE(missing.Message.value_or(QString()), u"Error : Unable to open file %1 for read access. Check "
                                                  u"the following:\r\n - Check to ensure that the file "
                                                  "exists. \r\n - If using NTFS check file permissions. \r\n "
                                                  "- Check to ensure no other applications are "
                                                  "holding the file open."_s.arg(dir.Path(u"Gone.cfg"_s)));
    QVERIFY(JoinsClassList({"Alpha"}, u"alpha"_s) && !JoinsClassList({"Alpha"}, u"Alpha"_s));
    QCOMPARE(ClassFilePath(u"C:\\chars"_s, u" Sniper "_s, PathStyle::Windows), u"C:\\chars\\Sniper.cfg"_s);
    QCOMPARE(ClassFilePath(u"/c\\x"_s, u"Sniper"_s, PathStyle::Posix), u"/c/x/Sniper.cfg"_s);
}

void ClassFileTest::classNameRefusal()
{
    QFETCH(QStringList, row);
    if (row[0].startsWith(u"1252") && DecodeFileText("\x80") != u"\u20AC")
        QSKIP("the file code page is not Windows-1252");
    const QString refusal = ClassNameRefusal(row[1]).value_or(QString());
    if (row[2] == u"-")
        QCOMPARE(refusal, QString());
    else
        QVERIFY2(refusal.startsWith(u"As the Character name is "_s) && refusal.contains(row[2]),
                 qPrintable(refusal));
    if (row[0] == u"symbols")
        QCOMPARE(refusal,
                 u"As the Character name is used as the file name the following symbols are not permitted in "
                 "the characters name: < > * & | / \\ : ? \""_s);
}

void ClassFileTest::saveChecksAndKeyboardCommands()
{
    QCOMPARE(SaveButtonRefusal(u"0"_s, u"Sniper"_s), std::nullopt);
    QCOMPARE(SaveButtonRefusal(u"-1"_s, u"<New Class>"_s).value_or(QString()),
             u"Point allocation exceeded. Reduce to equal or above 0 and try again."_s);
    QCOMPARE(SaveButtonRefusal(u"5"_s, u"<New Class>"_s).value_or(QString()),
             u"A classname must be entered to save a new class"_s);
    QCOMPARE(SaveButtonRefusal(u"5"_s, u" <New Class>"_s), std::nullopt);
    QCOMPARE(AltSaveRefusal(u"-1"_s).value_or(QString()),
             u"Point allocation exceeded. Reduce to equal or below 0 and try again."_s);
    QCOMPARE(AltSaveRefusal(u"0"_s), std::nullopt);

    // Refused saves touch no file: the skill check comes first, then the name.
    GameFolder dir;
    dir.AddFile(u"Sniper.cfg"_s, "old");
    ClassRecord record = RecordOf(Description(u"sniper.class"_s));
    record.Entries.append(u"C4 Charge"_s); // needs the explosives skill
    record.ClassName = u"Sni:per"_s;
    QCOMPARE(SaveClassFile(record, Catalogue(), SettingsFor(dir.Path()), NativePathStyle())
                 .Message.value_or(QString()),
             u"You must posess an explosives skill to handle explosives"_s);
    record.Entries.removeLast();
    QVERIFY(!SaveClassFile(record, Catalogue(), SettingsFor(dir.Path()), NativePathStyle()).Saved);
    QCOMPARE(ReadTestFile(dir.Path(u"Sniper.cfg"_s)), QByteArray("old"));

    using enum KeyCommand;
    const std::tuple<int, int, KeyCommand> keys[] = {
        {27, 0, EndProgram}, {27, 7, EndProgram}, {65, 4, ClearClass}, {83, 4, SaveClass},
        {67, 4, EndProgram}, {83, 5, None},       {83, 2, None},       {65, 6, None},
        {65, 0, None},       {68, 4, None}};
    for (const auto& [key, shift, command] : keys)
        QCOMPARE(int(KeyCommandFor(key, shift)), int(command));
}

void ClassFileTest::readOnlyCharactersFolder_saveReportedFileKept()
{
#ifndef Q_OS_UNIX
    QSKIP("needs fork and setuid");
#endif
    GameFolder dir;
    const QString folder = dir.Path(u"tool/characters"_s);
    dir.AddFile(u"tool/characters/Sniper.cfg"_s, "old");
    // The old file itself may be written by anybody: only the folder refuses the new one.
    QVERIFY(QFile::setPermissions(folder + u"/Sniper.cfg"_s,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther |
                                      QFileDevice::WriteOther));
    const auto readAndList = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                             QFileDevice::ExeOther | QFileDevice::ReadGroup | QFileDevice::ExeGroup;
    for (const QString& path : {dir.Path(), dir.Path(u"tool"_s), folder})
        QVERIFY(QFile::setPermissions(
            path, readAndList | (path == folder ? QFileDevice::Permissions() : QFileDevice::WriteOwner)));
    QVERIFY(SaveFailsInChild(folder, true));
    QFile::setPermissions(folder, readAndList | QFileDevice::WriteOwner);
    QCOMPARE(ReadTestFile(folder + u"/Sniper.cfg"_s), QByteArray("old"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"Sniper.cfg"});
}

void ClassFileTest::fullDisk_saveReportedFileKept()
{
#ifndef Q_OS_UNIX
    QSKIP("needs fork and setrlimit");
#endif
    GameFolder dir;
    dir.AddFile(u"Sniper.cfg"_s, "old");
    QVERIFY(SaveFailsInChild(dir.Path(), false));
    QCOMPARE(ReadTestFile(dir.Path(u"Sniper.cfg"_s)), QByteArray("old"));
    QCOMPARE(QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Sniper.cfg"});
}

QTEST_GUILESS_MAIN(ClassFileTest)
#include "classfiletest.moc"
