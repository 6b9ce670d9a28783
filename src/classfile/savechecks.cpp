#include "classfile/savechecks.h"

#include "rules/points.h"

std::optional<QString> SaveButtonRefusal(const QString& pointsText, const QString& classNameText)
{
    if (IsOverspent(pointsText))
        return QStringLiteral("Point allocation exceeded. Reduce to equal or above 0 and try again.");
    if (classNameText == QStringLiteral("<New Class>"))
        return QStringLiteral("A classname must be entered to save a new class");
    return std::nullopt;
}

std::optional<QString> AltSaveRefusal(const QString& pointsText)
{
    if (IsOverspent(pointsText))
        return QStringLiteral("Point allocation exceeded. Reduce to equal or below 0 and try again.");
    return std::nullopt;
}
