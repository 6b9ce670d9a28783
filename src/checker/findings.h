#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// What the checker finds, each kind with its identifier ("over-budget") and its severity:
//  - an error is what the editor refuses to save or never lets a user build, and a path that cannot be
//    checked;
//  - a warning is what the editor reads otherwise than the file stands, or changes on its next save;
//  - a note is a difference that the editor reads exactly as intended.
// The meanings of the rules are written once, in the checker's help text (help.txt).

enum class Severity { Error, Warning, Note };

enum class Rule {
    // The class, as Save judges it.
    OverBudget,
    OverLimit,
    SkillMissing,
    UnknownItem,
    BadClassName,
    TooLarge,
    // Lines read otherwise, and the file's name.
    UnknownLine,
    UnknownProficiency,
    OtherLevel,
    IncompleteSkinLine,
    OtherClassName,
    NeverLoaded,
    CaseConflict,
    // Models and texts.
    NoSuchModel,
    NoSuchSkin,
    UnwritableText,
    // The bytes against the editor's.
    Utf8WithoutBom,
    DiffersFromEditor,
    Encoding,
    // Paths that cannot be checked.
    NoSuchFile,
    Unreadable,
    NotAClassFile,
    NoClassFiles,
};
inline constexpr int RuleCount = int(Rule::NoClassFiles) + 1;

// "over-budget"
QString RuleName(Rule rule);
// The rule of that name, or none.
std::optional<Rule> RuleNamed(QStringView name);
Severity SeverityOf(Rule rule);
// "error", "warning", "note"
QString SeverityName(Severity severity);
// True for the rules of paths that cannot be checked: they make the exit status 2.
bool IsPathRule(Rule rule);

struct Finding {
    Rule Kind = Rule::UnknownLine;
    qsizetype Line = 0; // from 1; 0 for the file as a whole
    QString Text;       // lowercase start, no final period, one line

    Severity What() const { return SeverityOf(Kind); }
};

// The system's reason why a file cannot be read ("No such file or directory", on Windows "The system cannot
// find the file specified."), without a final period, as a part of a finding's text.
QString SystemWords(QString reason);

// A message written for a dialog, worded for a console: without an "Error : " before it or the dialog's
// closing paragraph ("The Application will not run ..."), its lines joined by blanks, its first word in
// lowercase (unless it is written in capitals or is a path), without a final period.
QString ConsoleWords(QString message);
