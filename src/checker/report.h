#pragma once

#include "checker/classcheck.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The checker's report of many class files, as text for people and CI systems and as JSON for tools.

// Classes by their worst finding; every class counts in one of the three.
struct CheckTotals {
    qsizetype Classes = 0;
    qsizetype Sound = 0;        // no finding at all
    qsizetype WithWarnings = 0; // warnings, no error
    qsizetype WithErrors = 0;
};
CheckTotals TotalsOf(const QList<ClassJudgement>& judgements);

// The findings, one line each: "path:line: error: text", "path:line: warning: text", without a line
// "path: error: text". The text's own line breaks become blanks.
QString FindingLines(const ClassJudgement& judgement);

// "path: class | status | points left | weight | movement | special", the special's lines joined by " / ";
// for a file not read "path: class | 1 error | not read".
QString SummaryLine(const ClassJudgement& judgement);

// "12 classes: 9 sound, 1 with warnings, 2 with errors"
QString TotalLine(const CheckTotals& totals);

// The whole text report: every file's findings, then (unless quiet) a summary line per file, then the total.
QString TextReport(const QList<ClassJudgement>& judgements, bool quiet);

// One JSON document: {"classes": [{"path", "className", "status", "pointsLeft", "weight", "weightText",
// "movement", "special", "findings": [{"severity", "line", "text"}]}], "totals": {"classes", "sound",
// "withWarnings", "withErrors"}}. See docs/checking-classes.md.
QByteArray JsonReport(const QList<ClassJudgement>& judgements);
