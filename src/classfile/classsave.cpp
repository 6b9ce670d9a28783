#include "classfile/classsave.h"

#include "classfile/classfilename.h"
#include "classfile/classfilewriter.h"
#include "platform/files.h"
#include "rules/selection.h"

SaveOutcome SaveClassFile(const ClassRecord& record, const EquipmentCatalogue& catalogue,
                          const AppSettings& settings, PathStyle style)
{
    if (std::optional<QString> refusal =
            SkillRequirementsRefusal(record.Entries, catalogue, record.Levels, settings.ExplosivesSkillName,
                                     settings.MedicalSkillName))
        return {false, std::move(refusal)};
    if (std::optional<QString> refusal = ClassNameRefusal(record.ClassName))
        return {false, std::move(refusal)};
    if (std::optional<QString> refusal =
            UnwritableTextRefusal(record, catalogue, settings.StartingEquipmentName))
        return {false, std::move(refusal)};
    // The folder may have been removed or moved while the editor runs.
    if (std::optional<QString> failure = MakeCharactersFolder(settings.CharacterPath))
        return {false, std::move(failure)};

    const QString path = ClassFilePath(settings.CharacterPath, record.ClassName, style);
    if (const std::optional<QString> failure =
            ReplaceFile(path, ClassFileBytes(record, catalogue, settings.StartingEquipmentName)))
        return {false,
                QStringLiteral("Unable to save the class file ") + path + QStringLiteral(": ") + *failure};
    return {true, std::nullopt};
}

bool JoinsClassList(const QStringList& classList, const QString& classNameText)
{
    return !classList.contains(classNameText, Qt::CaseSensitive);
}
