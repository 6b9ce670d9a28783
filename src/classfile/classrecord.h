#pragma once

#include "rules/proficiencies.h"

#include <QString>
#include <QStringList>

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
