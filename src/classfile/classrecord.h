#pragma once

#include "rules/proficiencies.h"

#include <QString>
#include <QStringList>

// The class list's entry for a class not yet named, its first entry and the class name of a new window.
inline const QString NewClassName = QStringLiteral("<New Class>");

// The callsign of a new window, which the callsign field empties when it gets the focus.
inline const QString DefaultCallsign = QStringLiteral("player");

// The class being edited, as the window's controls hold it: every text untrimmed, one level per
// proficiency, and the entries of the selected equipment in list order with the starting item first.
struct ClassRecord {
    QString ClassName;
    QString Callsign;
    QString Model;
    QString HeadSkin;
    QString BodySkin;
    QString LegsSkin;
    SkillLevels Levels{};
    QStringList Entries;
};
