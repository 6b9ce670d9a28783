#include "checker/classcheck.h"

#include "checker/differences.h"
#include "classfile/classfilename.h"
#include "classfile/classfilereader.h"
#include "classfile/classfilewriter.h"
#include "commands/loadclass.h"
#include "commands/saveclass.h"
#include "platform/files.h"
#include "rules/points.h"
#include "rules/selection.h"
#include "rules/weight.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace {

Rule RuleOf(LineNote::Kind kind)
{
    switch (kind) {
    case LineNote::Kind::UnknownItem:
        return Rule::UnknownItem;
    case LineNote::Kind::IncompleteSkinLine:
        return Rule::IncompleteSkinLine;
    case LineNote::Kind::UnknownProficiency:
        return Rule::UnknownProficiency;
    case LineNote::Kind::OtherLevel:
        return Rule::OtherLevel;
    case LineNote::Kind::UnknownLine:
        break;
    case LineNote::Kind::OtherClassName:
        return Rule::OtherClassName;
    }
    return Rule::UnknownLine;
}

// The file's name: what follows the system's last separator (a name may hold a "\\" on Linux).
QString FileNameOf(const QString& path)
{
    const bool windows = NativePathStyle() == PathStyle::Windows;
    qsizetype start = path.size();
    while (start > 0 && path.at(start - 1) != u'/' && !(windows && path.at(start - 1) == u'\\'))
        --start;
    return path.sliced(start);
}

// Names of files compared as the file system compares them.
bool SameFileName(const QString& a, const QString& b)
{
    return a.compare(b, NativePathStyle() == PathStyle::Windows ? Qt::CaseInsensitive : Qt::CaseSensitive) ==
           0;
}

} // namespace

bool ClassJudgement::Has(Severity severity) const
{
    return std::any_of(Findings.cbegin(), Findings.cend(),
                       [severity](const Finding& f) { return f.What() == severity; });
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

ClassJudgement ClassChecker::Check(const QString& path, const QStringList& otherCases)
{
    FileContent file = ReadWholeFile(path, LargestClassFile);
    const QString listedName = ClassNameOfFile(FileNameOf(path));
    switch (file.Result) {
    case FileContent::Outcome::Read:
        break;
    case FileContent::Outcome::Unreadable: // or gone since it was listed
        return {path,
                listedName,
                std::nullopt,
                {{PathExists(path) ? Rule::Unreadable : Rule::NoSuchFile, 0, SystemWords(file.Reason)}},
                false};
    case FileContent::Outcome::TooLarge:
        return {path,
                listedName,
                std::nullopt,
                {{Rule::TooLarge, 0,
                  QStringLiteral("larger than %1 MiB: the editor does not load a file this large")
                      .arg(LargestClassFile / (1024 * 1024))}}};
    }
    return Judge(path, file.Bytes, otherCases);
}

ClassJudgement ClassChecker::Judge(const QString& path, QByteArrayView bytes, const QStringList& otherCases)
{
    const QString listedName = ClassNameOfFile(FileNameOf(path));
    const LoadedClass loaded = ReadClassFile(bytes, Catalogue);
    const ClassRecord record = LoadedClassRecord(loaded, listedName, Settings.StartingEquipmentName);
    const qint64 points = AvailablePoints(Settings.StartingPoints, record.Levels, record.Entries, Catalogue);

    QList<Finding> findings = SaveRefusals(loaded, record, points);
    // The lines that the load passes over or reads otherwise, in the window's words.
    for (const LineNote& note : LoadNotes(loaded, listedName))
        findings.append({RuleOf(note.What), note.Line, LineNoteText(note)});
    findings += NameFindings(path, listedName, otherCases);
    findings += ModelFindings(loaded, record);
    if (const std::optional<QString> unwritable =
            UnwritableTextRefusal(record, Catalogue, Settings.StartingEquipmentName))
        findings.append({Rule::UnwritableText, 0, ConsoleWords(*unwritable)});
    // Item names from a UTF-8 weapons file are written as UTF-8 on purpose.
    if (!Catalogue.ItemNamesInUtf8()) {
        if (std::optional<Finding> utf8 = Utf8WithoutMarkFinding(bytes))
            findings.append(*std::move(utf8));
    }
    findings += DifferenceFindings(bytes, ClassFileBytes(record, Catalogue, Settings.StartingEquipmentName));
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.Line < b.Line; });

    const WeightDisplay weight =
        RecalculatedWeight(Settings.StartingEquipmentWeight, LevelOf(record.Levels, Proficiency::Strength),
                           record.Entries, Catalogue, u'.');
    const qint64 shownPoints = AvailablePointsText(points).toLongLong();
    return {path, record.ClassName,
            ClassSummary{record.ClassName, shownPoints, weight.Total, weight.WeightText, weight.MovementText,
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
    if (OverspentRefusal(AvailablePointsText(points))) {
        const qint64 budget = Settings.StartingPoints;
        errors.append(
            {Rule::OverBudget, 0,
             QStringLiteral("%1 points spent of a budget of %2: %3 over")
                 .arg(QString::number(budget - points), QString::number(budget), QString::number(-points))});
    }
    for (const RestrictionBreach& breach : RestrictionBreaches(record.Entries, Catalogue))
        errors.append({Rule::OverLimit, entryLine(breach.EntryOver), RestrictionBreachMessage(breach)});
    if (const std::optional<UnmetSkillRequirement> unmet =
            FirstUnmetSkillRequirement(record.Entries, Catalogue, record.Levels, Settings.ExplosivesSkillName,
                                       Settings.MedicalSkillName)) {
        errors.append({Rule::SkillMissing, entryLine(unmet->Entry),
                       QStringLiteral("\"%1\" needs the %2 skill (level 1 or more), which the class lacks")
                           .arg(record.Entries.at(unmet->Entry), ProficiencyKeyword(unmet->Skill))});
    }
    if (const std::optional<QString> refusal = ClassNameRefusal(record.ClassName)) {
        errors.append(
            {Rule::BadClassName, loaded.ClassNameLine,
             QStringLiteral("class name \"%1\": %2").arg(record.ClassName, ConsoleWords(*refusal))});
    }
    return errors;
}

QList<Finding> ClassChecker::NameFindings(const QString& path, const QString& listedName,
                                          const QStringList& otherCases) const
{
    const PathStyle style = NativePathStyle();
    const QString fileName = FileNameOf(path);
    QList<Finding> warnings;
    // The file that picking the class list's entry for this file opens, in the folder as the path names
    // it ("." for a name alone).
    const QString folder =
        fileName.size() < path.size() ? path.first(path.size() - fileName.size() - 1) : QStringLiteral(".");
    QString loaded =
        ClassFileToLoad(folder.isEmpty() ? QString(Separator(style)) : folder, listedName, fileName, style);
    if (FileNameOf(loaded) != fileName) // found without regard to case where the name is missing as written
        loaded = LocatePath(loaded);
    if (!SameFileName(FileNameOf(loaded), fileName)) {
        warnings.append({Rule::NeverLoaded, 0,
                         QStringLiteral("the class list shows this file as \"%1\" and loads %2 for it: the "
                                        "editor never loads this file")
                             .arg(listedName, FileNameOf(loaded))});
    }
    if (!otherCases.isEmpty()) {
        warnings.append({Rule::CaseConflict, 0,
                         QStringLiteral("%1 beside it differs only in case: Windows keeps only one of them")
                             .arg(otherCases.join(QStringLiteral(", ")))});
    }
    return warnings;
}

QList<Finding> ClassChecker::ModelFindings(const LoadedClass& loaded, const ClassRecord& record)
{
    if (record.Model.isEmpty() || !Models.Listed())
        return {};
    const std::optional<QString> model = Models.Find(record.Model);
    if (!model) {
        return {{Rule::NoSuchModel, loaded.SkinLine,
                 QStringLiteral("the models folder has no model \"%1\"").arg(record.Model)}};
    }
    const SkinLists& skins = Models.SkinsOf(*model);
    const std::array<std::tuple<const char*, const QString*, const QStringList*>, 3> parts = {
        {{"head", &record.HeadSkin, &skins.Head},
         {"body", &record.BodySkin, &skins.Body},
         {"legs", &record.LegsSkin, &skins.Legs}}};
    QList<Finding> warnings;
    for (const auto& [part, skin, offered] : parts) {
        if (!skin->isEmpty() && !offered->contains(*skin, Qt::CaseInsensitive)) {
            warnings.append({Rule::NoSuchSkin, loaded.SkinLine,
                             QStringLiteral("model \"%1\" has no %2 skin \"%3\" in its skin folders")
                                 .arg(*model, QLatin1StringView(part), *skin)});
        }
    }
    return warnings;
}
