#include "classfile/classfilereader.h"

#include "classfile/classfilename.h"
#include "platform/text.h"
#include "platform/textlines.h"

#include <algorithm>

namespace {

QString TrimmedFrom(QStringView line, qsizetype index)
{
    return TrimSpaces(line.sliced(std::min(index, line.size())).toString());
}

// "set skin model/head body legs": the model runs from after the prefix to the first "/", the head to the
// first blank after the slash, the body to the next blank and the legs to the end of the line. A line
// that lacks the slash or a blank (edited by hand) gives what it holds: the whole text is the model where
// there is no slash, and the skins that are missing are empty.
SkinSet SkinsOf(QStringView line, qsizetype prefixLength, bool& complete)
{
    const QStringView text = line.sliced(std::min(prefixLength + 1, line.size()));
    const qsizetype slash = text.indexOf(u'/');
    SkinSet skins;
    skins.Model = TrimSpaces(text.first(slash < 0 ? text.size() : slash).toString());
    complete = slash >= 0;
    if (slash < 0)
        return skins;
    QStringView rest = text.sliced(slash + 1);
    for (QString* skin : {&skins.HeadSkin, &skins.BodySkin}) {
        const qsizetype blank = rest.indexOf(u' ');
        complete = complete && blank >= 0;
        *skin = TrimSpaces(rest.first(blank < 0 ? rest.size() : blank).toString());
        rest = blank < 0 ? QStringView() : rest.sliced(blank + 1);
    }
    skins.LegsSkin = TrimSpaces(rest.toString());
    return skins;
}

// True when the text after a proficiency prefix is a level as the file writes it: one digit from 0 to 4.
bool IsWrittenLevel(QStringView rest)
{
    return rest.size() == 1 && rest.at(0) >= u'0' && rest.at(0).unicode() <= u'0' + HighestLevel;
}

// The level of the text after a proficiency prefix: its first character when that is a digit, 5 to 9 held
// to HighestLevel; 0 otherwise.
int LevelOf(QStringView rest)
{
    static constexpr QStringView Digits = u"0123456789";
    const qsizetype digit = rest.isEmpty() ? 0 : Digits.indexOf(rest.front());
    return static_cast<int>(std::clamp<qsizetype>(digit, 0, HighestLevel));
}

// The internal name of an equipment line as it stands in the file, quotes and blanks kept: the text after
// the blank that ends the counter, the first blank after "set equipment" in the line without its quotes.
QString EquipmentNameOf(QStringView rawLine, qsizetype prefixLength)
{
    qsizetype unquoted = 0;
    for (const QChar* c = rawLine.begin(); c != rawLine.end(); ++c) {
        if (*c == u'"')
            continue;
        if (unquoted >= prefixLength && *c == u' ')
            return QStringView(c + 1, rawLine.end()).toString();
        ++unquoted;
    }
    return {};
}

std::array<QString, ProficiencyCount> ProficiencyPrefixes()
{
    std::array<QString, ProficiencyCount> prefixes;
    for (int i = 0; i < ProficiencyCount; ++i)
        prefixes[static_cast<std::size_t>(i)] = ProficiencyLinePrefix(ProficiencyAt(i));
    return prefixes;
}

// The equipment lines' internal names, in file order, and how they become entries.
class EquipmentLines {
public:
    EquipmentLines(const EquipmentCatalogue& catalogue, FileEncoding encoding)
        : Catalogue(catalogue)
        , Encoding(encoding)
    {
    }

    void Add(const QString& name, qsizetype lineNumber)
    {
        Names.append(name);
        LineNumbers.append(lineNumber);
    }

    // An entry whose name several items share is written as one line per item, in catalogue order; such a
    // run of lines reads back as that one entry. Any other line adds the name of every item it names; a
    // line that names none is noted with its name as read.
    void AddEntries(LoadedClass& loaded) const
    {
        QStringList& entries = loaded.Entries;
        for (qsizetype line = 0; line < Names.size();) {
            if (const std::optional<std::pair<QString, qsizetype>> run = RunAt(line)) {
                entries.append(run->first);
                loaded.EntryLines.append(LineNumbers.at(line));
                line += run->second;
                continue;
            }
            const qsizetype before = entries.size();
            Catalogue.ForEachNamedInClassFile(Names.at(line), Encoding, [&entries](const Equipment& item) {
                entries.append(ListedName(item));
            });
            if (entries.size() == before) {
                loaded.Notes.append(
                    {LineNote::Kind::UnknownItem, LineNumbers.at(line), InternalNameAsRead(Names.at(line))});
            }
            while (loaded.EntryLines.size() < entries.size())
                loaded.EntryLines.append(LineNumbers.at(line));
            ++line;
        }
    }

private:
    // The entry, and the number of its lines, whose run starts at the line: the first entry, in catalogue
    // order of the items that the line names, that several items display and whose items the lines from
    // here name one by one.
    std::optional<std::pair<QString, qsizetype>> RunAt(qsizetype first) const
    {
        std::optional<std::pair<QString, qsizetype>> run;
        Catalogue.ForEachNamedInClassFile(Names.at(first), Encoding, [&](const Equipment& item) {
            if (run)
                return;
            const QString entry = ListedName(item);
            QList<const Equipment*> items;
            Catalogue.ForEachListedAs(entry, [&items](const Equipment& same) { items.append(&same); });
            if (items.size() < 2 || items.first() != &item || first + items.size() > Names.size())
                return;
            for (qsizetype i = 1; i < items.size(); ++i) {
                if (!Catalogue.NamedInClassFile(*items.at(i), Names.at(first + i), Encoding))
                    return;
            }
            run.emplace(entry, items.size());
        });
        return run;
    }

    const EquipmentCatalogue& Catalogue;
    FileEncoding Encoding;
    QStringList Names;
    QList<qsizetype> LineNumbers;
};

} // namespace

LoadedClass ReadClassFile(QByteArrayView bytes, const EquipmentCatalogue& catalogue)
{
    static const QString ClassPrefix = QStringLiteral("set class");
    static const QString CallsignPrefix = QStringLiteral("set callsign");
    static const QString SkinPrefix = QStringLiteral("set skin");
    static const QString EquipmentPrefix = QStringLiteral("set equipment");
    static const QString AnyProficiencyPrefix = QStringLiteral("set proficiency");
    static const std::array<QString, ProficiencyCount> ProficiencyPrefix = ProficiencyPrefixes();

    LoadedClass loaded;
    EquipmentLines equipment(catalogue, EncodingOf(bytes));
    qsizetype lineNumber = 0;
    QString line;
    ForEachLine(DecodeFileText(bytes), [&](QStringView rawLine) {
        ++lineNumber;
        line = rawLine.toString();
        line.remove(u'"');
        const auto note = [&](LineNote::Kind kind) {
            loaded.Notes.append({kind, lineNumber, line});
        };
        bool read = false;
        if (line.startsWith(ClassPrefix)) {
            loaded.ClassName = TrimmedFrom(line, ClassPrefix.size());
            loaded.ClassNameLine = lineNumber;
            read = true;
        }
        if (line.startsWith(CallsignPrefix)) {
            loaded.Callsign = TrimmedFrom(line, CallsignPrefix.size());
            read = true;
        }
        if (line.startsWith(SkinPrefix)) {
            bool complete = true;
            loaded.Skins = SkinsOf(line, SkinPrefix.size(), complete);
            loaded.SkinLine = lineNumber;
            if (!complete)
                note(LineNote::Kind::IncompleteSkinLine);
            read = true;
        }
        for (std::size_t i = 0; i < ProficiencyPrefix.size(); ++i) {
            if (line.startsWith(ProficiencyPrefix[i])) {
                const QStringView rest = QStringView(line).sliced(ProficiencyPrefix[i].size());
                loaded.Levels[i] = LevelOf(rest);
                if (!IsWrittenLevel(rest))
                    note(LineNote::Kind::OtherLevel);
                read = true;
            }
        }
        if (line.startsWith(EquipmentPrefix)) {
            equipment.Add(EquipmentNameOf(rawLine, EquipmentPrefix.size()), lineNumber);
            read = true;
        }
        if (!read && line.startsWith(AnyProficiencyPrefix))
            note(LineNote::Kind::UnknownProficiency);
        else if (!read && !line.isEmpty() && !line.startsWith(u"//"))
            note(LineNote::Kind::UnknownLine);
    });
    equipment.AddEntries(loaded);
    std::ranges::stable_sort(loaded.Notes, {}, &LineNote::Line);
    return loaded;
}

QString LineNoteText(const LineNote& note)
{
    switch (note.What) {
    case LineNote::Kind::UnknownItem:
        return QStringLiteral("item \"%1\" is not in the weapons file: it is left out").arg(note.Text);
    case LineNote::Kind::IncompleteSkinLine:
        return QStringLiteral("the skin line is not \"model/head body legs\": the skins it lacks are read as "
                              "empty");
    case LineNote::Kind::UnknownProficiency:
        return QStringLiteral("no proficiency has the number and name of this line: it is left out");
    case LineNote::Kind::OtherLevel:
        return QStringLiteral(
            "the level is not a digit from 0 to 4: 5 to 9 are read as 4, anything else as 0");
    case LineNote::Kind::UnknownLine:
        break;
    case LineNote::Kind::OtherClassName:
        return QStringLiteral("the class is named \"%1\" here: a save writes it to %2")
            .arg(note.Text, ClassFileName(note.Text));
    }
    return QStringLiteral("the editor does not read this line: it is left out");
}

QList<LineNote> LoadNotes(const LoadedClass& loaded, const QString& listedName)
{
    QList<LineNote> notes = loaded.Notes;
    if (loaded.ClassName && *loaded.ClassName != listedName) {
        const auto after = std::ranges::upper_bound(notes, loaded.ClassNameLine, {}, &LineNote::Line);
        notes.insert(after, {LineNote::Kind::OtherClassName, loaded.ClassNameLine, *loaded.ClassName});
    }
    return notes;
}

ClassRecord LoadedClassRecord(const LoadedClass& loaded, const QString& pickedName,
                              const QString& startingEquipmentName)
{
    const SkinSet skins = loaded.Skins.value_or(SkinSet());
    ClassRecord record{loaded.ClassName.value_or(pickedName),
                       loaded.Callsign.value_or(QString()),
                       skins.Model,
                       skins.HeadSkin,
                       skins.BodySkin,
                       skins.LegsSkin,
                       {},
                       QStringList{startingEquipmentName} + loaded.Entries};
    for (std::size_t i = 0; i < record.Levels.size(); ++i)
        record.Levels[i] = loaded.Levels[i].value_or(0);
    return record;
}
