#pragma once

#include "checker/classcheck.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The checker's report of a run, as text for people and CI systems and as JSON for tools.

// What a run found.
struct CheckRun {
    QList<ClassJudgement> Judgements;     // class files checked and paths not checked, in the order found
    QStringList Notes;                    // what is no finding but worth knowing (defaults used, no models)
    QStringList Errors;                   // what kept the whole check from running (settings, weapons file)
    qsizetype HiddenPassedOver = 0;       // hidden class files in the folders searched
    qsizetype InSubfoldersPassedOver = 0; // class files in subfolders not searched (--no-recursive)
    bool WarningsAsErrors = false;
};

// Classes by their worst finding (notes do not count): every class checked counts in one of the three.
struct CheckTotals {
    qsizetype Classes = 0;
    qsizetype Sound = 0;        // no error and no warning
    qsizetype WithWarnings = 0; // warnings, no error
    qsizetype WithErrors = 0;
    qsizetype PathsNotChecked = 0;
};
CheckTotals TotalsOf(const CheckRun& run);

// 2 when anything could not be checked (a path, the settings, the weapons file), even where a class has an
// error too; else 1 when a class has an error, or a warning with WarningsAsErrors; else 0.
int ExitStatusOf(const CheckRun& run);

// How the text is shown: in colour (ANSI escape sequences), and only what fails the check.
struct TextStyle {
    bool Colour = false;
    bool Quiet = false;
};

// The findings, one line each, "path:line: error: text [rule]" ("path: error: ..." for the file as a
// whole); then, unless quiet, one summary line per class checked,
// "path: class | status | points left | weight | movement | special" (the special's lines joined by " / "),
// and the total. Quiet, only the findings that fail the check. Control characters, as a player's file name
// or line may hold them, are shown escaped ("\x1b").
QString TextReport(const CheckRun& run, TextStyle style);

// The lines for standard error: unless quiet, "rostermaker-check: note: ..." for each note, then
// "rostermaker-check: error: ..." for what kept the check from running.
QString MessageLines(const CheckRun& run, TextStyle style);

// One JSON document, for any run: see docs/checking-classes.md. Lone UTF-16 surrogates, as a broken
// UTF-16 file gives them, become U+FFFD.
QByteArray JsonReport(const CheckRun& run);

// The text as a terminal may show it: C0 and C1 control characters as "\xHH", characters that reorder or
// break lines (bidirectional controls, line and paragraph separators) as "\uHHHH", lone surrogates as
// U+FFFD; everything else as it stands.
QString ShownText(QStringView text);
