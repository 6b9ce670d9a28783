#include "commands/saveclass.h"

#include "classfile/classfilename.h"
#include "classfile/classfilewriter.h"
#include "platform/files.h"
#include "rules/points.h"
#include "rules/selection.h"

std::optional<QString> OverspentRefusal(const QString& pointsText)
{
    if (IsOverspent(pointsText))
        return QStringLiteral("Point allocation exceeded. Reduce to equal or above 0 and try again.");
    return std::nullopt;
}

std::optional<QString> SaveButtonRefusal(const QString& pointsText, const QString& classNameText)
{
    if (std::optional<QString> overspent = OverspentRefusal(pointsText))
        return overspent;
    if (classNameText == NewClassName)
        return QStringLiteral("A classname must be entered to save a new class");
    return std::nullopt;
}

std::optional<QString> AltSaveRefusal(const QString& pointsText)
{
    if (IsOverspent(pointsText))
        return QStringLiteral("Point allocation exceeded. Reduce to equal or below 0 and try again.");
    return std::nullopt;
}

Result<> SaveClassFile(const ClassRecord& record, const EquipmentCatalogue& catalogue,
                       const AppSettings& settings, PathStyle style, const QString& loadedFileName)
{
    std::optional<QString> refusal = SkillRequirementsRefusal(
        record.Entries, catalogue, record.Levels, settings.ExplosivesSkillName, settings.MedicalSkillName);
    if (!refusal)
        refusal = ClassNameRefusal(record.ClassName);
    if (!refusal)
        refusal = UnwritableTextRefusal(record, catalogue, settings.StartingEquipmentName);
    if (refusal)
        return Result<>::Failure(*refusal);
    // The folder may have been removed or moved while the editor runs.
    if (Result<> folder = MakeCharactersFolder(settings.CharacterPath); !folder)
        return folder;

    const QString path = ClassFileToLoad(settings.CharacterPath, record.ClassName, loadedFileName, style);
    if (const std::optional<QString> failure =
            ReplaceFile(path, ClassFileBytes(record, catalogue, settings.StartingEquipmentName)))
        return Result<>::Failure(QStringLiteral("Unable to save the class file ") + path +
                                 QStringLiteral(": ") + *failure);
    return {};
}

bool JoinsClassList(const QStringList& classList, const QString& classNameText)
{
    return !classList.contains(classNameText, Qt::CaseSensitive);
}
