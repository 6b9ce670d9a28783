#include "classfile/classfilename.h"
#include "classfile/classfilewriter.h"
#include "classfile/classload.h"
#include "classfile/classsave.h"
#include "classfile/keyboardcommands.h"
#include "classfile/savechecks.h"
#include "platform/codepage.h"
#include "support/testmain.h"
#include "support/testsupport.h"

#include <QDir>
#include <QUrl>

namespace {

constexpr struct {
    const char* Name;
    const char16_t* ClassName;
    const char* Refusal; // the message's distinctive words; none: accepted
} Names[] = {
    {"symbols", u"Sni/per", "following symbols"},
    {"apostrophe", u"O'Neil", "following symbols"},
    {"tab", u"Sni\tper", "following symbols"},
    {"delete", u"Sniper\x7f", "following symbols"},
    {"device", u" nul ", "devices"},
    {"port", u"com7", "devices"},
    {"printer", u"LPT9", "devices"},
    {"superscript port", u"COM\u00B2", "devices"},
    {"device inside", u"Console", ""},
    {"port ten", u"COM10", ""},
    {"port zero", u"LPT0", ""},
    {"version", u"v1.2", "a dot"},
    {"hidden", u".hidden", "a dot"},
    {"empty", u"", "cannot be empty"},
    {"blanks", u"   ", "cannot be empty"},
    {"hyphen", u"Sniper-2", ""},
    {"Cyrillic", u"\u0421\u043D\u0430\u0439\u043F\u0435\u0440",
     "not permitted: \u0421\u043D\u0430\u0439\u043F\u0435\u0440"},
};

} // namespace

// Class files byte for byte: the data folder holds, per case, the class as the window holds it
// (<case>.class), its file (<case>.cfg) and what reading that file sets (<case>.loaded). Descriptions
// are UTF-8 lines "Key=value" with percent escapes in the value (%20 for an edge blank, %0D%0A for a line
// break), "#" starts a comment; the keys, in this order: ClassName, Callsign, Model, HeadSkin, BodySkin,
// LegsSkin, a proficiency keyword per level ("pistol=2"), and Entry once per entry.
class ClassFileTest : public QObject {
    Q_OBJECT
private slots:
    void written_data() { AddCases(QStringLiteral("class")); }
    void written();
    void read_data() { AddCases(QStringLiteral("loaded")); }
    void read();
    void readThenWritten_data() { AddCases(QStringLiteral("class"), QStringLiteral("shared-display-name")); }
    void readThenWritten();
    void save_writesTheFileFoundInAnyCase_loadReadsIt();
    void refusedSave_touchesNoFile();
    void classNameRefusal_data() { AddRows(Names); }
    void classNameRefusal();
    void saveChecksAndKeyboardCommands();

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

QString DataPath(const QString& fileName)
{
    return QStringLiteral(ROSTERMAKER_TEST_DATA "/") + fileName;
}

QStringList Description(const QString& fileName)
{
    QStringList lines;
    for (const QString& line : QString::fromUtf8(ReadTestFile(DataPath(fileName))).split(u'\n')) {
        if (!line.isEmpty() && !line.startsWith(u'#'))
            lines.append(line.section(u'=', 0, 0) + u'=' +
                         QUrl::fromPercentEncoding(line.section(u'=', 1).toUtf8()));
    }
    return lines;
}

const QStringList TextKeys = {"ClassName", "Callsign", "Model", "HeadSkin", "BodySkin", "LegsSkin"};

ClassRecord RecordOf(const QStringList& description)
{
    ClassRecord record;
    QString* texts[] = {&record.ClassName, &record.Callsign, &record.Model,
                        &record.HeadSkin,  &record.BodySkin, &record.LegsSkin};
    for (const QString& line : description) {
        const QString key = line.section(u'=', 0, 0);
        const QString value = line.section(u'=', 1);
        if (key == u"Entry")
            record.Entries.append(value);
        else if (TextKeys.contains(key))
            *texts[TextKeys.indexOf(key)] = value;
        for (int i = 0; i < ProficiencyCount; ++i) {
            if (key == ProficiencyKeyword(ProficiencyAt(i)))
                record.Levels[std::size_t(i)] = value.toInt();
        }
    }
    return record;
}

QStringList DescriptionOf(const LoadedClass& loaded)
{
    QStringList lines;
    const SkinSet skins = loaded.Skins.value_or(SkinSet());
    const std::optional<QString> texts[] = {loaded.ClassName,
                                            loaded.Callsign,
                                            loaded.Skins ? skins.Model : std::optional<QString>(),
                                            loaded.Skins ? skins.HeadSkin : std::optional<QString>(),
                                            loaded.Skins ? skins.BodySkin : std::optional<QString>(),
                                            loaded.Skins ? skins.LegsSkin : std::optional<QString>()};
    for (qsizetype i = 0; i < TextKeys.size(); ++i) {
        if (texts[i])
            lines.append(TextKeys[i] + u'=' + *texts[i]);
    }
    for (int i = 0; i < ProficiencyCount; ++i) {
        if (const std::optional<int> level = loaded.Levels[std::size_t(i)])
            lines.append(ProficiencyKeyword(ProficiencyAt(i)) + u'=' + QString::number(*level));
    }
    for (const QString& entry : loaded.Entries)
        lines.append(QStringLiteral("Entry=") + entry);
    return lines;
}

LoadedClass ReadCase(const QString& name)
{
    return ReadClassFile(DecodeWindows1252(ReadTestFile(DataPath(name + QStringLiteral(".cfg")))),
                         Catalogue());
}

AppSettings SettingsFor(const QString& characterPath)
{
    AppSettings settings;
    settings.CharacterPath = characterPath;
    settings.StartingEquipmentName = Base;
    settings.ExplosivesSkillName = QStringLiteral("explosives");
    settings.MedicalSkillName = QStringLiteral("medicskill");
    return settings;
}

} // namespace

void ClassFileTest::AddCases(const QString& extension, const QString& except)
{
    QTest::addColumn<QString>("name");
    for (QString name :
         QDir(QStringLiteral(ROSTERMAKER_TEST_DATA)).entryList({QStringLiteral("*.") + extension})) {
        name.chop(extension.size() + 1);
        if (name != except)
            QTest::newRow(qPrintable(name)) << name;
    }
}

void ClassFileTest::written()
{
    QFETCH(QString, name);
    if (name == u"all-levels" && DecodeFileText("\xE9") != u"\u00E9")
        QSKIP("the file code page (the system's on Windows) is not Windows-1252");
    QCOMPARE(ClassFileBytes(RecordOf(Description(name + QStringLiteral(".class"))), Catalogue(), Base),
             ReadTestFile(DataPath(name + QStringLiteral(".cfg"))));
}

void ClassFileTest::read()
{
    QFETCH(QString, name);
    QCOMPARE(DescriptionOf(ReadCase(name)), Description(name + QStringLiteral(".loaded")));
}

// A written file reads back into the class that wrote it, as long as no two catalogue items share a
// display name (one entry then writes two lines, which read back as two entries).
void ClassFileTest::readThenWritten()
{
    QFETCH(QString, name);
    if (name == u"all-levels" && DecodeFileText("\xE9") != u"\u00E9")
        QSKIP("the file code page (the system's on Windows) is not Windows-1252");
    ClassRecord record = RecordOf(DescriptionOf(ReadCase(name)));
    record.Entries.prepend(Base);
    QCOMPARE(ClassFileBytes(record, Catalogue(), Base),
             ReadTestFile(DataPath(name + QStringLiteral(".cfg"))));
}

void ClassFileTest::save_writesTheFileFoundInAnyCase_loadReadsIt()
{
    GameFolder dir;
    const AppSettings settings = SettingsFor(dir.Path());
    dir.AddFile(QStringLiteral("Sniper.cfg"), QByteArray(4096, 'x'));
    const ClassRecord sniper = RecordOf(Description(QStringLiteral("sniper.class")));
    QCOMPARE(SaveClassFile(sniper, Catalogue(), settings, NativePathStyle()).Saved, true);
    QCOMPARE(ReadTestFile(dir.Path(QStringLiteral("Sniper.cfg"))),
             ReadTestFile(DataPath(QStringLiteral("sniper.cfg"))));
    QCOMPARE(DescriptionOf(
                 *LoadClassFile(QStringLiteral(" Sniper "), settings, Catalogue(), NativePathStyle()).Loaded),
             Description(QStringLiteral("sniper.loaded")));

    dir.AddFile(QStringLiteral("Charlie.CFG"), "old");
    ClassRecord charlie;
    charlie.ClassName = QStringLiteral("Charlie");
    QVERIFY(SaveClassFile(charlie, Catalogue(), settings, NativePathStyle()).Saved);
    QCOMPARE(QDir(dir.Path()).entryList(QDir::Files), (QStringList{"Charlie.CFG", "Sniper.cfg"}));
    QCOMPARE(
        LoadClassFile(QStringLiteral("Charlie"), settings, Catalogue(), NativePathStyle()).Loaded->ClassName,
        std::optional<QString>(QStringLiteral("Charlie")));

    const LoadOutcome missing =
        LoadClassFile(QStringLiteral("Gone"), settings, Catalogue(), NativePathStyle());
    QVERIFY(!missing.Loaded);
    QCOMPARE(missing.Message,
             std::optional<QString>(
                 QStringLiteral("Error : Unable to open file ") + dir.Path(QStringLiteral("Gone.cfg")) +
                 QStringLiteral(" for read access. Check the following:\r\n - Check to ensure that the file "
                                "exists. \r\n - If using NTFS check file permissions. \r\n - Check to ensure "
                                "no other applications are holding the file open.")));
    QVERIFY(JoinsClassList({"Alpha"}, QStringLiteral("alpha")));
    QVERIFY(!JoinsClassList({"Alpha"}, QStringLiteral("Alpha")));
    QCOMPARE(ClassFilePath(QStringLiteral("C:\\chars"), QStringLiteral(" Sniper "), PathStyle::Windows),
             QStringLiteral("C:\\chars\\Sniper.cfg"));
    QCOMPARE(ClassFilePath(QStringLiteral("/c\\x"), QStringLiteral("Sniper"), PathStyle::Posix),
             QStringLiteral("/c/x/Sniper.cfg"));
}

void ClassFileTest::refusedSave_touchesNoFile()
{
    GameFolder dir;
    dir.AddFile(QStringLiteral("Sniper.cfg"), "old");
    ClassRecord record = RecordOf(Description(QStringLiteral("sniper.class")));
    record.Entries.append(QStringLiteral("C4 Charge")); // needs the explosives skill
    for (const QString& name : {QStringLiteral("Sniper"), QStringLiteral("Sni:per")}) {
        record.ClassName = name;
        QCOMPARE(SaveClassFile(record, Catalogue(), SettingsFor(dir.Path()), NativePathStyle()).Message,
                 std::optional<QString>(
                     QStringLiteral("You must posess an explosives skill to handle explosives")));
    }
    record.Entries.removeLast();
    record.ClassName = QStringLiteral("Sniper.v2");
    QVERIFY(!SaveClassFile(record, Catalogue(), SettingsFor(dir.Path()), NativePathStyle()).Saved);
    QCOMPARE(QDir(dir.Path()).entryList(QDir::Files), QStringList{"Sniper.cfg"});
    QCOMPARE(ReadTestFile(dir.Path(QStringLiteral("Sniper.cfg"))), QByteArray("old"));
}

void ClassFileTest::classNameRefusal()
{
    const auto& row = Row(Names);
    if (QByteArrayView(row.Name) == "Cyrillic" && DecodeFileText("\x80") != u"\u20AC")
        QSKIP("the file code page (the system's on Windows) is not Windows-1252");
    const QString refusal = ClassNameRefusal(QString::fromUtf16(row.ClassName)).value_or(QString());
    if (*row.Refusal == '\0')
        QCOMPARE(refusal, QString());
    else
        QVERIFY2(refusal.startsWith(QStringLiteral("As the Character name is ")) &&
                     refusal.contains(QString::fromUtf8(row.Refusal)),
                 qPrintable(refusal));
    if (QByteArrayView(row.Name) == "symbols")
        QCOMPARE(refusal, QStringLiteral(
                              "As the Character name is used as the file name the following symbols are not "
                              "permitted in the characters name: < > * & | / \\ : ? \""));
}

void ClassFileTest::saveChecksAndKeyboardCommands()
{
    const QString aboveZero =
        QStringLiteral("Point allocation exceeded. Reduce to equal or above 0 and try again.");
    QCOMPARE(SaveButtonRefusal(QStringLiteral("0"), QStringLiteral("Sniper")), std::nullopt);
    QCOMPARE(SaveButtonRefusal(QStringLiteral("-1"), QStringLiteral("<New Class>")),
             std::optional<QString>(aboveZero));
    QCOMPARE(SaveButtonRefusal(QStringLiteral("5"), QStringLiteral("<New Class>")),
             std::optional<QString>(QStringLiteral("A classname must be entered to save a new class")));
    QCOMPARE(SaveButtonRefusal(QStringLiteral("5"), QStringLiteral(" <New Class>")), std::nullopt);
    QCOMPARE(AltSaveRefusal(QStringLiteral("-1")),
             std::optional<QString>(
                 QStringLiteral("Point allocation exceeded. Reduce to equal or below 0 and try again.")));
    QCOMPARE(AltSaveRefusal(QStringLiteral("0")), std::nullopt);

    using enum KeyCommand;
    const std::tuple<int, int, KeyCommand> keys[] = {
        {27, 0, EndProgram}, {27, 7, EndProgram}, {65, 4, ClearClass}, {83, 4, SaveClass},
        {67, 4, EndProgram}, {83, 5, None},       {83, 2, None},       {65, 6, None},
        {65, 0, None},       {68, 4, None}};
    for (const auto& [key, shift, command] : keys)
        QCOMPARE(int(KeyCommandFor(key, shift)), int(command));
}

ROSTERMAKER_REGISTER_TEST(ClassFileTest)
#include "classfiletest.moc"
