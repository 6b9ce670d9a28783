#include "classfile/classfilereader.h"

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
SkinSet SkinsOf(QStringView line, qsizetype prefixLength)
{
    const QStringView text = line.sliced(std::min(prefixLength + 1, line.size()));
    const qsizetype slash = text.indexOf(u'/');
    SkinSet skins;
    skins.Model = TrimSpaces(text.first(slash < 0 ? text.size() : slash).toString());
    if (slash < 0)
        return skins;
    QStringView rest = text.sliced(slash + 1);
    for (QString* skin : {&skins.HeadSkin, &skins.BodySkin}) {
        const qsizetype blank = rest.indexOf(u' ');
        *skin = TrimSpaces(rest.first(blank < 0 ? rest.size() : blank).toString());
        rest = blank < 0 ? QStringView() : rest.sliced(blank + 1);
    }
    skins.LegsSkin = TrimSpaces(rest.toString());
    return skins;
}

int LevelAfter(QStringView line, qsizetype prefixLength)
{
    if (line.size() <= prefixLength)
        return 0;
    const char16_t c = line.at(prefixLength).unicode();
    if (c < u'0' || c > u'9')
        return 0;
    return std::min(c - u'0', HighestLevel);
}

// The counter runs up to the first blank after "set equipment", the internal name follows it.
QString EquipmentNameOf(QStringView line, qsizetype prefixLength)
{
    const qsizetype blank = line.indexOf(u' ', prefixLength);
    return blank < 0 ? QString() : TrimmedFrom(line, blank + 1);
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

    void Add(const QString& name) { Names.append(name); }

    // An entry whose name several items share is written as one line per item, in catalogue order; such a
    // run of lines reads back as that one entry. Any other line adds the name of every item it names.
    QStringList Entries() const
    {
        QStringList entries;
        for (qsizetype line = 0; line < Names.size();) {
            if (const std::optional<std::pair<QString, qsizetype>> run = RunAt(line)) {
                entries.append(run->first);
                line += run->second;
                continue;
            }
            if (!Names.at(line).isEmpty()) {
                Catalogue.ForEachNamedInClassFile(
                    Names.at(line), Encoding,
                    [&entries](const Equipment& item) { entries.append(ListedName(item)); });
            }
            ++line;
        }
        return entries;
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
};

} // namespace

LoadedClass ReadClassFile(QByteArrayView bytes, const EquipmentCatalogue& catalogue)
{
    static const QString ClassPrefix = QStringLiteral("set class");
    static const QString CallsignPrefix = QStringLiteral("set callsign");
    static const QString SkinPrefix = QStringLiteral("set skin");
    static const QString EquipmentPrefix = QStringLiteral("set equipment");
    static const std::array<QString, ProficiencyCount> ProficiencyPrefix = ProficiencyPrefixes();

    LoadedClass loaded;
    EquipmentLines equipment(catalogue, EncodingOf(bytes));
    QString line;
    ForEachLine(DecodeFileText(bytes), [&](QStringView rawLine) {
        line = rawLine.toString();
        line.remove(u'"');
        if (line.startsWith(ClassPrefix))
            loaded.ClassName = TrimmedFrom(line, ClassPrefix.size());
        if (line.startsWith(CallsignPrefix))
            loaded.Callsign = TrimmedFrom(line, CallsignPrefix.size());
        if (line.startsWith(SkinPrefix))
            loaded.Skins = SkinsOf(line, SkinPrefix.size());
        for (std::size_t i = 0; i < ProficiencyPrefix.size(); ++i) {
            if (line.startsWith(ProficiencyPrefix[i]))
                loaded.Levels[i] = LevelAfter(line, ProficiencyPrefix[i].size());
        }
        if (line.startsWith(EquipmentPrefix))
            equipment.Add(EquipmentNameOf(line, EquipmentPrefix.size()));
    });
    loaded.Entries = equipment.Entries();
    return loaded;
}
