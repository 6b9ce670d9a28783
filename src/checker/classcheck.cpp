#include "checker/classcheck.h"

#include "classfile/classfilename.h"
#include "classfile/classfilereader.h"
#include "classfile/classfilewriter.h"
#include "commands/loadclass.h"
#include "commands/saveclass.h"
#include "rules/points.h"
#include "rules/selection.h"
#include "rules/weight.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace {

using Severity = Finding::Severity;

// The line (from 1) of file on which it first differs from written.
qsizetype FirstDifferentLine(QByteArrayView file, QByteArrayView written)
{
    const qsizetype common = std::min(file.size(), written.size());
    qsizetype differs = 0;
    while (differs < common && file[differs] == written[differs])
        ++differs;
    qsizetype line = 1;
    for (qsizetype i = 0; i < differs; ++i) {
        const bool crBeforeLf = file[i] == '\r' && i + 1 < file.size() && file[i + 1] == '\n';
        if ((file[i] == '\r' && !crBeforeLf) || file[i] == '\n')
            ++line;
    }
    return line;
}

} // namespace

bool ClassJudgement::HasErrors() const
{
    return std::any_of(Findings.cbegin(), Findings.cend(),
                       [](const Finding& f) { return f.What == Severity::Error; });
}

bool ClassJudgement::HasWarnings() const
{
    return std::any_of(Findings.cbegin(), Findings.cend(),
                       [](const Finding& f) { return f.What == Severity::Warning; });
}

OfferedModels::OfferedModels(const QString& modelPath, const ProgramLocation& location)
    : ModelPath(modelPath)
    , Location(location)
    , Names(ModelLibrary(modelPath, location).ModelNames())
{
}

std::optional<QString> OfferedModels::Find(const QString& model) const
{
    for (const QString& name : Names.value_or(QStringList())) {
        if (name.compare(model, Qt::CaseInsensitive) == 0)
            return name;
    }
    return std::nullopt;
}

const SkinLists& OfferedModels::SkinsOf(const QString& folderName)
{
    auto found = Skins.constFind(folderName);
    if (found == Skins.constEnd()) {
        ModelLibrary library(ModelPath, Location);
        library.DiscoverSkins(Names.value_or(QStringList()).value(0)); // the start-up's first model
        found = Skins.insert(folderName, library.DiscoverSkins(folderName));
    }
    return *found;
}

ClassChecker::ClassChecker(const AppSettings& settings, const EquipmentCatalogue& catalogue,
                           const ProgramLocation& location)
    : Settings(settings)
    , Catalogue(catalogue)
    , Models(settings.ModelPath, location)
{
}

ClassJudgement ClassChecker::Check(const QString& path)
{
    const Result<QByteArray> bytes = ReadClassFileBytes(path);
    if (!bytes) {
        return {path,
                ClassNameOfFile(LastPathComponent(path, NativePathStyle())),
                std::nullopt,
                {{Severity::Error, 0, bytes.Reason()}}};
    }
    return Judge(path, *bytes);
}

ClassJudgement ClassChecker::Judge(const QString& path, QByteArrayView bytes)
{
    const QString fileName = LastPathComponent(path, NativePathStyle());
    const QString listedName = ClassNameOfFile(fileName);
    const LoadedClass loaded = ReadClassFile(bytes, Catalogue);
    const ClassRecord record = LoadedClassRecord(loaded, listedName, Settings.StartingEquipmentName);
    const qint64 points = AvailablePoints(Settings.StartingPoints, record.Levels, record.Entries, Catalogue);

    QList<Finding> findings = SaveRefusals(loaded, record, points);
    for (const LineNote& note :
         LoadNotes(loaded, listedName)) // lines the load passes over or reads otherwise
        findings.append({note.What == LineNote::Kind::UnknownItem ? Severity::Error : Severity::Warning,
                         note.Line, LineNoteText(note)});
    findings += NameFindings(fileName, listedName);
    findings += ModelFindings(loaded, record);
    if (const std::optional<QString> unwritable =
            UnwritableTextRefusal(record, Catalogue, Settings.StartingEquipmentName))
        findings.append({Severity::Warning, 0, *unwritable});
    const QByteArray written = ClassFileBytes(record, Catalogue, Settings.StartingEquipmentName);
    if (bytes != written) {
        findings.append({Severity::Warning, FirstDifferentLine(bytes, written),
                         QStringLiteral("The file was edited by hand or written by another tool: from this "
                                        "line on it differs from what the editor writes for the class, and "
                                        "its next save rewrites it.")});
    }
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.Line < b.Line; });

    const WeightDisplay weight =
        RecalculatedWeight(Settings.StartingEquipmentWeight, LevelOf(record.Levels, Proficiency::Strength),
                           record.Entries, Catalogue, u'.');
    return {path, record.ClassName,
            ClassSummary{record.ClassName, points, weight.Total, weight.WeightText, weight.MovementText,
                         weight.AmmoText},
            findings};
}

QList<Finding> ClassChecker::SaveRefusals(const LoadedClass& loaded, const ClassRecord& record,
                                          qint64 points) const
{
    // Entry 0 is the starting item, which no line of the file sets.
    const auto entryLine = [&loaded](qsizetype entry) {
        return loaded.EntryLines.value(entry - 1);
    };
    QList<Finding> errors;
    if (const std::optional<QString> overspent = OverspentRefusal(AvailablePointsText(points)))
        errors.append({Severity::Error, 0, *overspent});
    for (const RestrictionBreach& breach : RestrictionBreaches(record.Entries, Catalogue))
        errors.append({Severity::Error, entryLine(breach.EntryOver), RestrictionBreachMessage(breach)});
    if (const std::optional<UnmetSkillRequirement> unmet =
            FirstUnmetSkillRequirement(record.Entries, Catalogue, record.Levels, Settings.ExplosivesSkillName,
                                       Settings.MedicalSkillName))
        errors.append({Severity::Error, entryLine(unmet->Entry), unmet->Message});
    if (const std::optional<QString> refusal = ClassNameRefusal(record.ClassName))
        errors.append({Severity::Error, loaded.ClassNameLine, *refusal});
    return errors;
}

QList<Finding> ClassChecker::NameFindings(const QString& fileName, const QString& listedName) const
{
    QList<Finding> warnings;
    if (fileName.compare(ClassFileName(listedName), Qt::CaseInsensitive) != 0) {
        warnings.append(
            {Severity::Warning, 0,
             QStringLiteral("The class list shows this file as \"%1\", and picking it there loads "
                            "\"%2\" instead: the editor never loads this file.")
                 .arg(listedName, ClassFileName(listedName))});
    }
    return warnings;
}

QList<Finding> ClassChecker::ModelFindings(const LoadedClass& loaded, const ClassRecord& record)
{
    if (record.Model.isEmpty() || !Models.Listed())
        return {};
    const std::optional<QString> model = Models.Find(record.Model);
    if (!model) {
        return {{Severity::Warning, loaded.SkinLine,
                 QStringLiteral("The models folder has no model \"%1\".").arg(record.Model)}};
    }
    const SkinLists& skins = Models.SkinsOf(*model);
    const std::array<std::tuple<const char*, const QString*, const QStringList*>, 3> parts = {
        {{"head", &record.HeadSkin, &skins.Head},
         {"body", &record.BodySkin, &skins.Body},
         {"legs", &record.LegsSkin, &skins.Legs}}};
    QList<Finding> warnings;
    for (const auto& [part, skin, offered] : parts) {
        if (!skin->isEmpty() && !offered->contains(*skin, Qt::CaseInsensitive)) {
            warnings.append({Severity::Warning, loaded.SkinLine,
                             QStringLiteral("The model \"%1\" has no %2 skin \"%3\" in its skin folders.")
                                 .arg(*model, QLatin1StringView(part), *skin)});
        }
    }
    return warnings;
}
