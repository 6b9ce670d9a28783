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
// first blank after the slash, the body to the next blank and the legs to the end of the line.
std::optional<SkinSet> SkinsOf(QStringView line, qsizetype prefixLength)
{
    const qsizetype modelStart = prefixLength + 1;
    const qsizetype slash = modelStart < line.size() ? line.indexOf(u'/', modelStart) : -1;
    if (slash < 0)
        return std::nullopt;
    const qsizetype firstBlank = line.indexOf(u' ', slash + 1);
    if (firstBlank < 0)
        return std::nullopt;
    const qsizetype secondBlank = line.indexOf(u' ', firstBlank + 1);
    if (secondBlank < 0)
        return std::nullopt;
    const auto part = [line](qsizetype from, qsizetype to) {
        return TrimSpaces(line.sliced(from, to - from).toString());
    };
    return SkinSet{part(modelStart, slash), part(slash + 1, firstBlank), part(firstBlank + 1, secondBlank),
                   TrimmedFrom(line, secondBlank + 1)};
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

} // namespace

LoadedClass ReadClassFile(QStringView text, const EquipmentCatalogue& catalogue)
{
    static const QString ClassPrefix = QStringLiteral("set class");
    static const QString CallsignPrefix = QStringLiteral("set callsign");
    static const QString SkinPrefix = QStringLiteral("set skin");
    static const QString EquipmentPrefix = QStringLiteral("set equipment");
    static const std::array<QString, ProficiencyCount> ProficiencyPrefix = ProficiencyPrefixes();

    LoadedClass loaded;
    QString line;
    ForEachLine(text, [&](QStringView rawLine) {
        line = rawLine.toString();
        line.remove(u'"');
        if (line.startsWith(ClassPrefix))
            loaded.ClassName = TrimmedFrom(line, ClassPrefix.size());
        if (line.startsWith(CallsignPrefix))
            loaded.Callsign = TrimmedFrom(line, CallsignPrefix.size());
        if (line.startsWith(SkinPrefix)) {
            if (std::optional<SkinSet> skins = SkinsOf(line, SkinPrefix.size()))
                loaded.Skins = std::move(skins);
        }
        for (std::size_t i = 0; i < ProficiencyPrefix.size(); ++i) {
            if (line.startsWith(ProficiencyPrefix[i]))
                loaded.Levels[i] = LevelAfter(line, ProficiencyPrefix[i].size());
        }
        if (line.startsWith(EquipmentPrefix)) {
            const QString name = EquipmentNameOf(line, EquipmentPrefix.size());
            if (!name.isEmpty())
                catalogue.ForEachWithInternalName(
                    name, [&loaded](const Equipment& item) { loaded.Entries.append(ListedName(item)); });
        }
    });
    return loaded;
}
