#include "catalogue/weaponsfile.h"
#include "classfile/classfilename.h"
#include "classfile/classfilereader.h"
#include "classfile/classfilewriter.h"
#include "platform/codepage.h"
#include "support/testsupport.h"

#include <QRandomGenerator>
#include <QStringEncoder>

namespace {

// A weapons file of the data folder, its rows under the header read into a catalogue.
EquipmentCatalogue CatalogueFile(const QString& name)
{
    return CatalogueOf(QString::fromUtf8(TestDataFile(name)).split(u"\r\n"_s, Qt::SkipEmptyParts).mid(1));
}

const EquipmentCatalogue& Catalogue()
{
    static const EquipmentCatalogue catalogue = CatalogueFile(u"catalogue.csv"_s);
    return catalogue;
}

// The class of a row of classes.txt.
ClassRecord RecordOf(const TableRow& row)
{
    return ClassOf(row[u"class name"], row[u"callsign"], row[u"model"], row[u"head"], row[u"body"],
                   row[u"legs"], row[u"levels"], row[u"entries"]);
}

// The lines that reading noted: "6: unknown item; 9: other level".
QString Notes(const LoadedClass& loaded)
{
    static const QStringList Kinds = {u"unknown item"_s, u"incomplete skin line"_s, u"unknown proficiency"_s,
                                      u"other level"_s, u"unknown line"_s};
    QStringList notes;
    for (const LineNote& note : loaded.Notes)
        notes.append(u"%1: %2"_s.arg(note.Line).arg(Kinds.at(int(note.What))));
    return notes.join(u"; "_s);
}

// What reading sets, as a row of reads.txt.
QString Summary(const LoadedClass& loaded)
{
    const std::optional<SkinSet>& skins = loaded.Skins;
    QString levels;
    for (const std::optional<int> level : loaded.Levels)
        levels += level ? QString::number(*level) : u"."_s;
    return QStringList{
        loaded.ClassName.value_or(u"-"_s),
        loaded.Callsign.value_or(u"-"_s),
        skins ? u"%1/%2 %3 %4"_s.arg(skins->Model, skins->HeadSkin, skins->BodySkin, skins->LegsSkin)
              : u"-"_s,
        levels,
        loaded.Entries.join(u';'),
        Notes(loaded)}
        .join(u" | "_s);
}

LoadedClass ReadCase(const QString& name)
{
    return ReadClassFile(TestDataFile(name + u".cfg"_s), Catalogue());
}

// Items that share display names, as shared-names.txt describes them.
const EquipmentCatalogue& SharedNames()
{
    static const EquipmentCatalogue catalogue = CatalogueFile(u"shared-names.csv"_s);
    return catalogue;
}

// The internal names of a class file's equipment lines.
QStringList EquipmentLines(const QByteArray& file)
{
    QStringList names;
    for (const QString& line : DecodeWindows1252(file).split(u"\r\n"_s)) {
        if (line.startsWith(u"set equipment"_s))
            names.append(line.section(u' ', 2));
    }
    return names;
}

QByteArray WithMark(const QString& text, QStringConverter::Encoding encoding)
{
    return QStringEncoder(encoding, QStringConverter::Flag::WriteBom).encode(text);
}

} // namespace

// Class files byte for byte: the classes of classes.txt written, and the files of reads.txt read, each
// file <name>.cfg in the data folder; what the file cannot hold, classes whose items share names, files of
// other tools, and class names that cannot name a file.
class ClassFileTest : public QObject {
    Q_OBJECT
private slots:
    void written_data() { AddTableRows("classes.txt"); }
    void written()
    {
        QFETCH(TableRow, row);
        SKIP_UNLESS_1252(row.Name() == u"all-levels");
        const QByteArray file = TestDataFile(row.Name() + u".cfg"_s);
        QCOMPARE(ClassFileBytes(RecordOf(row), Catalogue(), Base), file);
        // The file reads back into the class that wrote it.
        QCOMPARE(ClassFileBytes(LoadedClassRecord(ReadCase(row.Name()), {}, Base), Catalogue(), Base), file);
    }

    void read_data() { AddTableRows("reads.txt"); }
    void read()
    {
        QFETCH(TableRow, row);
        QCOMPARE(Summary(ReadCase(row.Name())),
                 QStringList({row[u"class name"], row[u"callsign"], row[u"skins"], row[u"levels"],
                              row[u"entries"], row[u"notes"]})
                     .join(u" | "_s));
    }

    void skinLine_data() { AddTableRows("skin-lines.txt"); }
    void skinLine()
    {
        QFETCH(TableRow, row);
        const LoadedClass loaded = ReadClassFile(EncodeFileText(row[u"line"]), Catalogue());
        const SkinSet skins = loaded.Skins.value_or(SkinSet());
        QCOMPARE(u"%1/%2 %3 %4"_s.arg(skins.Model, skins.HeadSkin, skins.BodySkin, skins.LegsSkin).trimmed(),
                 row[u"skins"]);
        QCOMPARE(Notes(loaded), row[u"noted"] == u"-" ? QString() : u"1: incomplete skin line"_s);
    }

    void unwritableTexts_data() { AddTableRows("unwritable-texts.txt"); }
    void unwritableTexts()
    {
        QFETCH(TableRow, row);
        SKIP_UNLESS_1252(row.Name().startsWith(u"1252"));
        const ClassRecord record =
            ClassOf(u"Sniper"_s, row[u"callsign"], row[u"model"], row[u"head"], row[u"body"], row[u"legs"]);
        const QString refusal = UnwritableTextRefusal(record, Catalogue(), Base).value_or(QString());
        QVERIFY2(row[u"refused for"] == u"-"
                     ? refusal.isEmpty()
                     : refusal.startsWith(u"As the "_s) && refusal.contains(row[u"refused for"]),
                 qPrintable(refusal));
    }

    // A class loads as it was saved, whatever names its items share: the lines that one entry wrote read
    // back as that entry.
    void sharedDisplayNames_data() { AddTableRows("shared-names.txt"); }
    void sharedDisplayNames()
    {
        QFETCH(TableRow, row);
        const QStringList lines = row[u"equipment lines"].split(u';');
        if (row[u"entries"] == u"-") {
            QStringList file;
            for (qsizetype i = 0; i < lines.size(); ++i)
                file.append(u"set equipment%1 %2"_s.arg(i + 1).arg(lines[i]));
            QCOMPARE(ReadClassFile(CrLfBytes(file), SharedNames()).Entries.join(u';'), row[u"entries read"]);
            return;
        }
        const ClassRecord record = ClassOf(u"Twins"_s, {}, {}, {}, {}, {}, {}, row[u"entries"]);
        const QByteArray file = ClassFileBytes(record, SharedNames(), Base);
        QCOMPARE(EquipmentLines(file), lines);
        ClassRecord reread = record;
        reread.Entries = QStringList{Base} + ReadClassFile(file, SharedNames()).Entries;
        QCOMPARE(reread.Entries.mid(1).join(u';'), row[u"entries read"]);
        QCOMPARE(ClassFileBytes(reread, SharedNames(), Base), file);
    }

    // Any class that a save writes loads back as it was and saves again to the same bytes, whatever names
    // its items share or hold (quotes, blanks around them); a class holding an item whose line would read
    // back as another item, or as none, is refused with the item's name.
    void anyClassSaved_loadsBackAsSaved()
    {
        QStringList names = {u"Twin"_s, u"Medkit"_s,  u"Pistol"_s, u"Hat"_s,         u"Quote Hat"_s,
                             u"Cap"_s,  u"Cap Too"_s, u"Boot"_s,   u"Only Quotes"_s, u"Knife"_s};
        const QStringList unloadable = {u"Boot Blank"_s, u"Nameless"_s};
        names += unloadable;
        for (int i = 0; i < 30; ++i)
            names.append(u"Filler %1"_s.arg(i));
        QRandomGenerator random(2026);
        for (int round = 0; round < 400; ++round) {
            ClassRecord record = ClassOf(u"Twins"_s, {}, {}, {}, {}, {});
            for (int n = random.bounded(12); n > 0; --n)
                record.Entries.append(names.at(random.bounded(int(names.size()))));
            const std::optional<QString> refusal = UnwritableTextRefusal(record, SharedNames(), Base);
            const auto refused =
                std::find_if(record.Entries.cbegin(), record.Entries.cend(),
                             [&](const QString& entry) { return unloadable.contains(entry); });
            if (refused != record.Entries.cend()) {
                QVERIFY2(refusal && refusal->contains(u"item \""_s + *refused + u'"'), qPrintable(*refused));
                continue;
            }
            QCOMPARE(refusal, std::nullopt);
            const QByteArray file = ClassFileBytes(record, SharedNames(), Base);
            const LoadedClass loaded = ReadClassFile(file, SharedNames());
            QCOMPARE(loaded.Entries, record.Entries.mid(1));
            QCOMPARE(ClassFileBytes(LoadedClassRecord(loaded, {}, Base), SharedNames(), Base), file);
        }
    }

    // Files of other tools: weapons files and class files in UTF-8 or UTF-16 after a byte-order mark.
    void filesOfOtherTools_readAndWrittenBack()
    {
        SKIP_UNLESS_1252(true);
        GameFolder game;
        AppSettings settings;
        settings.WeaponsFileName = u"..\\weapons.csv"_s;
        settings.WeaponsFileIdentifier = u"InternalName"_s;
        const QString weapons =
            u"InternalName,DisplayName,CostPoints,\r\n\u0142uk,\u0141uk,1,\r\ncaf\u00E9,Caf\u00E9,1,"_s;
        const ClassRecord record = ClassOf(u"Archer"_s, {}, {}, {}, {}, {}, {}, u"\u0141uk;Caf\u00E9"_s);

        // UTF-8: the class file holds the weapons file's own bytes of the items, and finds them again.
        game.AddFile(u"weapons.csv"_s, WithMark(weapons, QStringConverter::Utf8));
        const EquipmentCatalogue utf8 = *LoadWeaponsFile(settings, game.Location());
        const QByteArray file = ClassFileBytes(record, utf8, Base);
        QVERIFY(file.contains("set equipment1 \xC5\x82uk\r\nset equipment2 caf\xC3\xA9\r\n"));
        QCOMPARE(UnwritableTextRefusal(record, utf8, Base), std::nullopt);
        QCOMPARE(ReadClassFile(file, utf8).Entries, record.Entries.mid(1));
        // A class file that another tool wrote in UTF-8 or UTF-16 names them by their letters.
        for (const auto encoding :
             {QStringConverter::Utf8, QStringConverter::Utf16LE, QStringConverter::Utf16BE})
            QCOMPARE(ReadClassFile(WithMark(u"set equipment1 \u0142uk"_s, encoding), utf8).Entries,
                     QStringList{u"\u0141uk"_s});

        // UTF-16: read by its letters, written in the code page, which cannot hold the "\u0142".
        for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
            game.AddFile(u"weapons.csv"_s, WithMark(weapons, encoding));
            const EquipmentCatalogue utf16 = *LoadWeaponsFile(settings, game.Location());
            QCOMPARE(
                UnwritableTextRefusal(record, utf16, Base).value_or(QString()).section(u',', 0, 0),
                u"As the internal name of the item \"\u0141uk\" (\u0142uk) is written into the class file"_s);
            QVERIFY(ClassFileBytes(record, utf16, Base).contains("set equipment2 caf\xE9\r\n"));
            // Notepad's "Unicode": a class file in UTF-16 reads as the same class.
            const QString sniper = DecodeWindows1252(TestDataFile(u"sniper.cfg"_s));
            QCOMPARE(Summary(ReadClassFile(WithMark(sniper, encoding), Catalogue())),
                     Summary(ReadCase(u"sniper"_s)));
        }
    }

    // The class list shows a file by its name up to its first dot.
    void classNameOfFile_cutAtTheFirstDot()
    {
        QCOMPARE(QStringList({ClassNameOfFile(u"Alpha.old.cfg"_s), ClassNameOfFile(u".cfg"_s),
                              ClassNameOfFile(u"NoDot"_s)}),
                 QStringList({u"Alpha"_s, QString(), u"NoDot"_s}));
    }

    void classNameRefusal_data() { AddTableRows("class-names.txt"); }
    void classNameRefusal()
    {
        QFETCH(TableRow, row);
        SKIP_UNLESS_1252(row.Name().startsWith(u"1252"));
        const QString refusal = ClassNameRefusal(row[u"class name"]).value_or(QString());
        QVERIFY2(row[u"refused for"] == u"-" ? refusal.isEmpty()
                                             : refusal.startsWith(u"As the Character name is "_s) &&
                                                   refusal.contains(row[u"refused for"]),
                 qPrintable(refusal));
    }
};

QTEST_GUILESS_MAIN(ClassFileTest)
#include "classfiletest.moc"
