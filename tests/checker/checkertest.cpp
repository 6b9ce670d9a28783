#include "checker/checkerrun.h"
#include "checker/classcheck.h"
#include "checker/report.h"
#include "classfile/classfilename.h"
#include "classfile/classfilewriter.h"
#include "platform/listing.h"
#include "support/uitestsupport.h"
#include "ui/loadnote.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

namespace {

struct CheckerRun {
    int Status = -1;
    QString Out;
    QString Err;
};

CheckerRun RunOn(const ProgramLocation& editor, const QStringList& arguments, ColourTerminals terminals = {})
{
    CheckerRun run;
    QTextStream out(&run.Out), err(&run.Err);
    run.Status = RunChecker(QStringList{u"rostermaker-check"_s} + arguments, editor, out, err, terminals);
    return run;
}

// The first line of a class file as the editor writes it for the class.
QString HeaderLine(const QString& className)
{
    ClassRecord record;
    record.ClassName = className;
    return DecodeFileText(ClassFileBytes(record, EquipmentCatalogue(), Base)).section(u'\r', 0, 0);
}

// The lines of a class file, the editor's header comment first, as the editor writes them.
QByteArray ClassBytes(const QString& className, const QStringList& lines = {})
{
    return CrLfBytes(QStringList{HeaderLine(className), u"set class \"%1\""_s.arg(className)} + lines +
                     QStringList{"", "//Weapons and Equipment", ""});
}

// Text (lines ended by "\n") as bytes of the form that judgements.txt describes.
QByteArray FileBytes(QString text, const QString& form)
{
    const QStringList words = form.split(u' ');
    if (words.contains(u"cr"_s)) {
        text.replace(u'\n', u'\r');
    } else if (words.contains(u"mixed"_s)) {
        QString mixed;
        bool crLf = true;
        for (const QChar c : std::as_const(text)) {
            mixed += c == u'\n' ? (crLf ? u"\r\n"_s : u"\n"_s) : QString(c);
            crLf = crLf != (c == u'\n');
        }
        text = mixed;
    } else if (!words.contains(u"lf"_s)) {
        text.replace(u"\n"_s, u"\r\n"_s);
    }
    if (words.contains(u"utf-8"_s))
        return "\xEF\xBB\xBF" + text.toUtf8();
    if (words.contains(u"utf-8-nobom"_s))
        return text.toUtf8();
    const bool little = words.contains(u"utf-16le"_s);
    if (!little && !words.contains(u"utf-16be"_s))
        return EncodeFileText(text);
    QByteArray bytes = little ? "\xFF\xFE" : "\xFE\xFF";
    for (const QChar c : std::as_const(text)) { // lone surrogates kept, as a broken file holds them
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes += little ? low : high;
        bytes += little ? high : low;
    }
    return bytes;
}

// Each line of the report starts with its prefix.
void StartEach(const QString& report, const QStringList& prefixes)
{
    const QStringList lines = report.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), prefixes.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QVERIFY2(lines.at(i).startsWith(prefixes.at(i)), qPrintable(lines.at(i)));
}

// The system's words for a file that does not exist, without a final period: "No such file or directory"
// on Linux.
QString NoSuchFile()
{
    QFile file(QDir::temp().filePath(u"rostermaker-check no such file"_s));
    return file.open(QIODevice::ReadOnly) ? QString()
                                          : file.errorString().remove(QRegularExpression(u"\\.$"_s));
}

// The lines of a text file beside the tests, between the line "$ command" of a fenced block and its end.
QString QuotedOutput(const QString& path, const QString& command)
{
    const QString page = QString::fromUtf8(ReadTestFile(path));
    const qsizetype start = page.indexOf(u"```\n$ "_s + command + u'\n');
    return start < 0 ? QString()
                     : page.mid(start, page.indexOf(u"```"_s, start + 3) - start).section(u'\n', 2);
}

} // namespace

// rostermaker-check: class files judged by the editor's rules, the paths and the report as admins use them,
// the exit statuses, and its agreement with the window on classes built there.
class CheckerTest : public QObject {
    Q_OBJECT
private slots:
    void judgement_data() { AddTableRows("judgements.txt"); }
    void judgement()
    {
        QFETCH(TableRow, row);
        GameFolder game;
        MakeStandardGame(game);
        const AppSettings settings = *SettingsFromFile(ReadSettingsFile(game.Path(u"tool/rostermaker.ini"_s)),
                                                       game.Path(u"tool/rostermaker.ini"_s), game.Location());
        const EquipmentCatalogue catalogue = CatalogueOf(StandardItems());
        ClassChecker checker(settings, catalogue, game.Location());

        // The header comment names the class of the class line.
        const QString lines = row[u"lines"];
        // Each line ends, as the editor ends them, unless the last is to end without.
        const QString text = HeaderLine(lines.section(u"set class \""_s, 1).section(u'"', 0, 0)) + u'\n' +
                             lines + (row[u"form"].contains(u"nolastend"_s) ? u""_s : u"\n"_s);
        const ClassJudgement judged =
            checker.Judge(game.Path(u"tool/characters/"_s + row[u"file"]), FileBytes(text, row[u"form"]));

        const QStringList expected =
            row[u"findings"] == u"-" ? QStringList() : row[u"findings"].split(u"; "_s);
        QStringList found;
        for (const Finding& finding : judged.Findings)
            found.append(u"%1:%2:%3"_s.arg(finding.Line).arg(RuleName(finding.Kind), finding.Text));
        QVERIFY2(found.size() == expected.size(), qPrintable(found.join(u"; "_s)));
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const QString where = expected.at(i).section(u':', 0, 1) + u':';
            QVERIFY2(found.at(i).startsWith(where) && found.at(i).contains(expected.at(i).mid(where.size())),
                     qPrintable(found.at(i)));
        }
    }

    // A folder's classes: the findings with their rules, one summary line each and the total; quiet, the
    // errors alone; or JSON with the rules. The run reads and never writes.
    void folder_reportedAsTextOrJson()
    {
        GameFolder game;
        MakeStandardGame(game);
        game.AddFile(u"tool/characters/Good.cfg"_s, ClassBytes(u"Good"_s));
        game.AddFile(u"tool/characters/Odd.cfg"_s, ClassBytes(u"Odd"_s, {"set x"}));
        game.WriteClass(u"Bad.cfg"_s, {HeaderLine(u"Bad"_s), "set class \"Bad\"", "",
                                       "//Weapons and Equipment", "set equipment1 m203", ""});
        const auto path = [&game](const char* name) {
            return game.Path(u"tool/characters/"_s + name);
        };

        const CheckerRun text = RunOn(game.Location(), {});
        const QStringList expected = {
            path("Bad.cfg") +
                ":5: error: item \"m203\" is not in the weapons file: it is left out [unknown-item]",
            path("Bad.cfg") + ":5: warning: the editor's file ends before this line [differs-from-editor]",
            path("Odd.cfg") +
                ":3: warning: the editor does not read this line: it is left out [unknown-line]",
            path("Odd.cfg") +
                ":3: warning: the editor writes this line as \"\", not \"set x\" [differs-from-editor]",
            path("Bad.cfg") + ": Bad | 1 error, 1 warning | 30 points left | 3.92 kg | Can move without",
            path("Good.cfg") + ": Good | sound | 30 points left | 3.92 kg | Can move without restrictions.",
            path("Odd.cfg") + ": Odd | 2 warnings | 30 points left",
            "3 classes: 1 sound, 1 with warnings, 1 with errors"};
        QVERIFY(text.Status == 1 && text.Err.isEmpty());
        StartEach(text.Out, expected);
        QVERIFY(text.Out.endsWith(expected.last() + u'\n'));
        const CheckerRun quiet = RunOn(game.Location(), {u"--quiet"_s});
        QCOMPARE(quiet.Out, expected.first() + u'\n');
        QCOMPARE(quiet.Status, 1);

        const CheckerRun json = RunOn(game.Location(), {u"--json"_s, u"--quiet"_s});
        const QJsonObject document = QJsonDocument::fromJson(json.Out.toUtf8()).object();
        const QJsonArray classes = document[u"classes"_s].toArray();
        QCOMPARE(classes.size(), 3);
        const QJsonObject bad = classes[0].toObject();
        QCOMPARE(bad[u"weight"_s].toDouble(), 3.92);
        const QJsonObject finding = bad[u"findings"_s][0].toObject();
        QCOMPARE(QStringList({finding[u"rule"_s].toString(), finding[u"severity"_s].toString(),
                              QString::number(finding[u"line"_s].toInt())}),
                 QStringList({"unknown-item", "error", "5"}));
        QCOMPARE(bad[u"status"_s].toString() + classes[1][u"status"_s].toString(), u"errorssound"_s);
        QCOMPARE(document[u"totals"_s][u"withErrors"_s].toInt(), 1);
        QCOMPARE(document[u"exitStatus"_s].toInt(), 1);
        QCOMPARE(json.Status, 1);
    }

    // Every path is reported, none stops the rest: a missing path, an empty folder, a file that is not a
    // class file are findings of their own (status 2, which wins over 1); a file named twice is checked
    // once; folders are searched with their subfolders, and what is passed over is counted.
    void paths_eachReportedNoneStoppingTheRest()
    {
        GameFolder game;
        MakeStandardGame(game);
        game.AddFile(u"classes/Good.cfg"_s, ClassBytes(u"Good"_s));
        game.AddFile(
            u"classes/old/Legacy.cfg"_s,
            ClassBytes(u"Legacy"_s, {"set proficiency1 pistol4", "set proficiency2 submachinegun4",
                                     "set proficiency3 shotgun4", "set proficiency4 assaultrifle4"}));
        const bool dotHides = NativePathStyle() == PathStyle::Posix; // Windows hides by an attribute
        if (dotHides)
            game.AddFile(u"classes/.Hidden.cfg"_s, ClassBytes(u"Hidden"_s));
        game.AddFile(u"classes/notes.txt"_s);
        game.AddFile(u"only-below/sub/Deep.cfg"_s, ClassBytes(u"Deep"_s));
        QDir().mkpath(game.Path(u"empty"_s));
        const auto path = [&game](const QString& relative) {
            return game.Path(relative);
        };

        const CheckerRun run =
            RunOn(game.Location(), {path(u"classes"_s), path(u"classes/Good.cfg"_s), path(u"missing.cfg"_s),
                                    path(u"empty"_s), path(u"classes/notes.txt"_s), path(u"missing.cfg"_s)});
        StartEach(
            run.Out,
            {path(u"classes/old/Legacy.cfg"_s) + ": error: 40 points spent of a budget of 30: 10 over"_L1,
             path(u"missing.cfg"_s) + u": error: "_s + NoSuchFile() + u" [no-such-file]"_s,
             path(u"empty"_s) + ": error: no class files (*.cfg) in this folder or its subfolders"_L1,
             path(u"classes/notes.txt"_s) + ": error: not a class file: the editor lists only files"_L1,
             path(u"classes/Good.cfg"_s) + ": Good | sound"_L1,
             path(u"classes/old/Legacy.cfg"_s) + ": Legacy | 1 error | -10 points left"_L1,
             "2 classes: 1 sound, 0 with warnings, 1 with errors; 3 paths not checked"});
        QCOMPARE(run.Out.contains(
                     u"not checked; 1 hidden class file passed over, which the class list leaves out\n"_s),
                 dotHides);
        QCOMPARE(run.Status, 2);

        const CheckerRun flat =
            RunOn(game.Location(), {u"--no-recursive"_s, path(u"classes"_s), path(u"only-below"_s)});
        StartEach(flat.Out,
                  {path(u"only-below"_s) + ": error: no class files (*.cfg) in this folder, and 1 in its"
                                           " subfolders, which --no-recursive leaves out"_L1,
                   path(u"classes/Good.cfg"_s) + ": Good | sound"_L1,
                   "1 class: 1 sound, 0 with warnings, 0 with errors; 1 path not checked; 2 class files in "
                   "subfolders passed over (--no-recursive)"});
        const CheckerRun ignored =
            RunOn(game.Location(), {u"-e"_s, u"no-such-file,no-class-files"_s, path(u"classes/Good.cfg"_s),
                                    path(u"missing.cfg"_s), path(u"empty"_s)});
        QCOMPARE(ignored.Status, 0);
        QVERIFY(!ignored.Out.contains(u"missing"_s));
    }

    // Names the window takes as they stand on a case-sensitive disk: two files named the same but for case
    // are both checked, as the window lists and loads both, and each is flagged, as Windows keeps only one
    // of them; a name holding a backslash is read, and its class name refused as Save refuses it.
    void casePairAndBackslash_checkedAsTheWindowTakesThem()
    {
        GameFolder game;
        MakeStandardGame(game);
        game.AddFile(u"tool/characters/Alpha.cfg"_s, ClassBytes(u"Alpha"_s));
        game.AddFile(u"tool/characters/Alpha.CFG"_s, ClassBytes(u"Alpha"_s, {"set proficiency1 pistol1"}));
        if (QDir(game.Path(u"tool/characters"_s)).entryList(QDir::Files).size() < 2)
            QSKIP("the file system does not tell case apart");
        game.AddFile(u"tool/characters/Back\\slash.cfg"_s, ClassBytes(u"Back\\slash"_s));
        const CheckerRun run = RunOn(game.Location(), {u"--no-recursive"_s});
        const QString folder = game.Path(u"tool/characters/"_s);
        StartEach(run.Out,
                  {folder + u"Alpha.CFG: warning: Alpha.cfg beside it differs only in case: Windows keeps "
                            "only one of them [case-conflict]"_s,
                   folder + u"Alpha.cfg: warning: Alpha.CFG beside it differs only in case"_s,
                   folder + u"Back\\slash.cfg:2: error: class name \"Back\\slash\": as the Character "
                            "name is used as the file name"_s,
                   folder + u"Alpha.CFG: Alpha | 1 warning | 29 points left"_s,
                   folder + u"Alpha.cfg: Alpha | 1 warning | 30 points left"_s,
                   folder + u"Back\\slash.cfg: Back\\slash | 1 error | 30 points left"_s,
                   u"3 classes: 0 sound, 2 with warnings, 1 with errors"_s});
    }

    // Quiet, a sound folder prints nothing at all, notes included, even without the settings file and the
    // models folder (as cron wants it); warnings stay silent unless they count as errors.
    void quiet_silentUnlessSomethingFails()
    {
        GameFolder game;
        game.WriteWeapons(StandardItems());
        game.AddFile(u"tool/characters/Good.cfg"_s, ClassBytes(u"Good"_s));
        const CheckerRun loud = RunOn(game.Location(), {});
        QCOMPARE(
            loud.Err,
            u"rostermaker-check: note: cannot read the settings file %1: %3; the editor's defaults are used\n"
            "rostermaker-check: note: no models folder %2 (Model Path): models and skins are not checked\n"_s
                .arg(game.Path(u"tool/rostermaker.ini"_s), game.Path(u"tool0"_s), NoSuchFile()));
        const CheckerRun quiet = RunOn(game.Location(), {u"-q"_s});
        QVERIFY(quiet.Status == 0 && quiet.Out.isEmpty() && quiet.Err.isEmpty());

        game.AddFile(u"tool/characters/Odd.cfg"_s, ClassBytes(u"Odd"_s, {"set x"}));
        QCOMPARE(RunOn(game.Location(), {u"-q"_s}).Out, QString());
        for (const QString& strict : {u"-W"_s, u"--warnings-as-errors"_s, u"--strict"_s}) {
            const CheckerRun failing = RunOn(game.Location(), {u"-q"_s, strict});
            QCOMPARE(failing.Status, 1);
            QVERIFY2(failing.Out.contains(u"Odd.cfg:3: warning: the editor does not read this line"_s),
                     qPrintable(failing.Out));
        }
    }

    // What keeps the whole check from running is told on standard error in console words, and in JSON too;
    // the characters folder that the settings name, missing, comes with the hint to name a folder. The
    // checker makes no folder.
    void runErrors_toldInConsoleWords()
    {
        GameFolder game;
        MakeStandardGame(game);
        const QString missing = game.Path(u"none.ini"_s);
        const CheckerRun noWeapons = RunOn(game.Location(), {u"--weapons"_s, missing});
        QCOMPARE(noWeapons.Err, u"rostermaker-check: error: cannot read the weapons file %1: %2\n"_s.arg(
                                    missing, NoSuchFile()));
        QVERIFY(noWeapons.Status == 2 && noWeapons.Out.isEmpty());
        game.AddFile(u"bad.csv"_s, CrLfBytes({WeaponsHeader, "m4a1,M4A1,rifle,five,3.4,,,,,,0,,"}));
        QCOMPARE(
            RunOn(game.Location(), {u"--weapons"_s, game.Path(u"bad.csv"_s)}).Err,
            u"rostermaker-check: error: invalid value in file %1, line 2, column 4 (CostPoints): \"five\" is "
            "not a whole number from -32768 to 32767\n"_s.arg(game.Path(u"bad.csv"_s)));
        const CheckerRun json = RunOn(game.Location(), {u"--json"_s, u"--settings"_s, missing});
        const QJsonObject document = QJsonDocument::fromJson(json.Out.toUtf8()).object();
        QCOMPARE(document[u"errors"_s][0].toString(),
                 u"cannot read the settings file %1: %2"_s.arg(missing, NoSuchFile()));
        QCOMPARE(document[u"exitStatus"_s].toInt(), 2);
        QCOMPARE(json.Status, 2);

        QVERIFY(QDir(game.Path(u"tool/characters"_s)).removeRecursively());
        const CheckerRun fresh = RunOn(game.Location(), {});
        QCOMPARE(fresh.Out,
                 game.Path(u"tool/characters"_s) +
                     u": error: %1 [no-such-file]\n0 classes: 0 sound, 0 with warnings, 0 with errors; 1 "
                     "path not checked\n"_s.arg(NoSuchFile()));
        QVERIFY2(fresh.Err.contains(u"name the class files or folders to check: rostermaker-check PATH..."_s),
                 qPrintable(fresh.Err));
        QCOMPARE(fresh.Status, 2);
        QVERIFY(!QDir(game.Path(u"tool/characters"_s)).exists());
    }

    // The command line as linters take theirs: short forms, "Try ... --help" after a wrong option, the
    // help and the version.
    void options_data() { AddTableRows("options.txt"); }
    void options()
    {
        QFETCH(TableRow, row);
        GameFolder game;
        MakeStandardGame(game);
        game.AddFile(u"tool/characters/Good.cfg"_s, ClassBytes(u"Good"_s));
        const CheckerRun run = RunOn(game.Location(), row[u"arguments"].split(u' ', Qt::SkipEmptyParts));
        QCOMPARE(run.Status, row[u"status"].toInt());
        QVERIFY2(run.Out.isEmpty() ? row[u"out"].isEmpty() : run.Out.startsWith(row[u"out"]),
                 qPrintable(run.Out));
        QCOMPARE(run.Err, row[u"err"]);
    }

    // Players' bytes never reach the terminal raw: control characters in file names and lines are shown
    // escaped; JSON stays valid and well-formed for a broken UTF-16 file (a lone surrogate becomes U+FFFD).
    void playersBytes_neverRaw()
    {
        GameFolder game;
        MakeStandardGame(game);
        // Windows file names hold no control characters.
        const QString evilFile = NativePathStyle() == PathStyle::Posix ? u"Evil\x1b[2J.cfg"_s : u"Evil.cfg"_s;
        game.AddFile(u"tool/characters/"_s + evilFile,
                     ClassBytes(u"Evil\x1b[2J"_s, {"set callsign \"\x1b]0;owned\x07\""}));
        game.AddFile(u"tool/characters/Broken.cfg"_s,
                     FileBytes(HeaderLine(u"Broken"_s) +
                                   u"\nset class \"Broken\"\nset callsign \"x\xD800y\"\n\n"
                                   "//Weapons and Equipment\n"_s,
                               u"utf-16le"_s));
        const CheckerRun text = RunOn(game.Location(), {});
        QVERIFY2(!text.Out.contains(u'\x1b') && !text.Out.contains(u'\x07') &&
                     !text.Out.contains(QChar(0xD800)),
                 qPrintable(text.Out));
        QVERIFY2(text.Out.contains(ShownText(evilFile) + u": Evil\\x1b[2J | 1 error"_s) &&
                     text.Out.contains(u"not permitted: \uFFFD [unwritable-text]"_s),
                 qPrintable(text.Out));

        const CheckerRun json = RunOn(game.Location(), {u"--json"_s});
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(json.Out.toUtf8(), &error);
        QVERIFY2(error.error == QJsonParseError::NoError &&
                     !json.Out.contains(u"\\ud800"_s, Qt::CaseInsensitive),
                 qPrintable(json.Out));
        QVERIFY(json.Out.contains(u"\"Evil\\u001b[2J\""_s));
        QVERIFY(document[u"classes"_s][0][u"findings"_s].toArray().first()[u"text"_s].toString().endsWith(
            u"not permitted: \uFFFD"_s));
    }

    // Colours only on a terminal, off with NO_COLOR or --color=never, forced with --color=always.
    void colours_onATerminalOnly()
    {
        GameFolder game;
        MakeStandardGame(game);
        game.AddFile(u"tool/characters/Odd.cfg"_s, ClassBytes(u"Odd"_s, {"set x"}));
        const QString coloured = u"\x1b[1;35mwarning:\x1b[m"_s;
        const auto colouredOut = [&game](const QStringList& arguments, ColourTerminals terminals) {
            return RunOn(game.Location(), arguments, terminals).Out.contains(u"\x1b["_s);
        };
        qunsetenv("NO_COLOR");
        QVERIFY(RunOn(game.Location(), {}, {true, false}).Out.contains(coloured));
        QVERIFY(!colouredOut({}, {false, true}));
        QVERIFY(!colouredOut({u"--color=never"_s}, {true, true}));
        QVERIFY(colouredOut({u"--color=always"_s}, {false, false}));
        qputenv("NO_COLOR", "1");
        QVERIFY(!colouredOut({}, {true, true}));
        QVERIFY(colouredOut({u"--color=always"_s}, {true, true}));
        qunsetenv("NO_COLOR");
    }

    // The help, the manual page and the documentation say the same: the page quotes --help as it stands,
    // and every rule stands in the help with its severity and in the page's table.
    void help_isTheDocumentedOne()
    {
        GameFolder game;
        const QString help = RunOn(game.Location(), {u"--help"_s}).Out;
        const QString docs = u"" ROSTERMAKER_DOCS "/checking-classes.md"_s;
        QCOMPARE(QuotedOutput(docs, u"rostermaker-check --help"_s), help);
        const QString page = QString::fromUtf8(ReadTestFile(docs));
        const QString schema =
            QString::fromUtf8(ReadTestFile(u"" ROSTERMAKER_DOCS "/checking-classes.schema.json"_s));
        const QString rules = help.section(u"\nRules:\n"_s, 1).section(u"\n\n"_s, 0, 0);
        QStringList listed;
        for (const QString& line : rules.split(u'\n')) {
            static const QRegularExpression rule(u"^  ([a-z0-9-]+) +([a-z]+):"_s);
            if (const QRegularExpressionMatch m = rule.match(line); m.hasMatch())
                listed.append(m.captured(1) + u' ' + m.captured(2));
        }
        QStringList rulesInCode;
        for (int i = 0; i < RuleCount; ++i) {
            const Rule kind = Rule(i);
            rulesInCode.append(RuleName(kind) + u' ' + SeverityName(SeverityOf(kind)));
            QVERIFY2(page.contains(u"| `"_s + RuleName(kind) + u"` |"_s) &&
                         schema.contains(u'"' + RuleName(kind) + u'"'),
                     qPrintable(RuleName(kind)));
        }
        QCOMPARE(listed, rulesInCode);
    }

    // On Windows the checker expands wildcards itself; the expansion, tried here on any system. Elsewhere
    // the shell has expanded them, and a pattern left over is a name.
    void wildcards_expandedAsWindowsPrograms()
    {
        GameFolder game;
        MakeStandardGame(game);
        for (const char* name : {"Beta.cfg", "alpha.CFG", "Alpha.old.cfg", "notes.txt", "sub/x"})
            game.AddFile(u"classes/"_s + QLatin1StringView(name));
        const QString folder = game.Path(u"classes"_s) + QDir::separator();
        QCOMPARE(*PathsMatching(folder + u"*.cfg"_s),
                 QStringList({folder + u"alpha.CFG"_s, folder + u"Alpha.old.cfg"_s, folder + u"Beta.cfg"_s}));
        QCOMPARE(*PathsMatching(folder + u"?u*"_s), QStringList({folder + u"sub"_s}));
        QCOMPARE(*PathsMatching(folder + u"*.ini"_s), QStringList());
        QVERIFY(!PathsMatching(folder + u"Beta.cfg"_s));
        // A pattern without a folder matches in the current one.
        const QString current = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder));
        QCOMPARE(*PathsMatching(u"B*"_s), QStringList({u"Beta.cfg"_s}));
        QVERIFY(QDir::setCurrent(current));
        QCOMPARE(RunOn(game.Location(), {folder + u"B*.cfg"_s}).Out.contains(u"[no-such-file]"_s),
                 NativePathStyle() == PathStyle::Posix);
    }

    // The program itself, on the demo game with its settings: the hand-edited class has an error.
    void program_onTheDemoGame()
    {
        QProcess checker;
        checker.start(u"" ROSTERMAKER_CHECK ""_s,
                      {u"--settings"_s, u"" ROSTERMAKER_DEMO_DATA "/tool/rostermaker.ini"_s});
        QVERIFY(checker.waitForFinished(60000));
        const QString out = QString::fromUtf8(checker.readAllStandardOutput()).replace(u"\r\n"_s, u"\n"_s);
        QVERIFY2(
            out.contains(u"Scout.cfg:13: error: item \"m203\" is not in the weapons file: it is left out "
                         "[unknown-item]"_s) &&
                out.contains(u"can\u2019t jump"_s) &&
                out.endsWith(u"3 classes: 2 sound, 0 with warnings, 1 with errors\n"_s),
            qPrintable(out));
        QCOMPARE(checker.exitCode(), 1);
    }

    // Classes built in the window: what it saves, the checker finds sound and unchanged and sums up as the
    // window shows it once loaded; what it refuses to save, written all the same, is an error with the
    // window's judgement. Files written otherwise (LF, UTF-16) load in the window as the checker sums them
    // up, and the file that the class list never loads is the one the checker says so of.
    void agreesWithTheWindow()
    {
        EditorGame game;
        // Items whose internal names a class file reads otherwise than it writes them: "hat " and 'ha"t'.
        MakeStandardGame(game, {u"hat ,Hat,misc,1,0.1,,,,,,0,,"_s, u"ha\"t,Quote Hat,misc,1,0.1,,,,,,0,,"_s});
        // Files that the class list lists at start-up: a pair named the same but for case (one file on a
        // disk that does not tell case apart), and a class edited by hand.
        game.AddFile(u"tool/characters/Alpha.cfg"_s, ClassBytes(u"Alpha"_s, {"set proficiency1 pistol1"}));
        game.AddFile(u"tool/characters/Alpha.CFG"_s, ClassBytes(u"Alpha"_s, {"set proficiency1 pistol3"}));
        game.WriteClass(u"Edited.cfg"_s,
                        {"set class \"Edited\"", "set proficiency1 pistol7", "set tag x", "",
                         "//Weapons and Equipment", "set equipment1 m203", "set equipment2 lbv"});
        const QStringList listedFiles = {u"Alpha.cfg"_s, u"Alpha.CFG"_s, u"Edited.cfg"_s,
                                         u"Back\\slash.cfg"_s};
        if (NativePathStyle() == PathStyle::Posix) // a name that only Linux disks hold
            game.AddFile(u"tool/characters/Back\\slash.cfg"_s,
                         ClassBytes(u"Back\\slash"_s, {"set proficiency2 smg1"}));
        Form1* window = game.Start();
        QVERIFY(window);
        QHash<QString, QString> refusals; // by class: the rule the checker names
        const auto build = [&](const QString& name, QStringView levels, const QStringList& items) {
            QTest::mouseClick(window->Command6, Qt::LeftButton); // Clear All
            window->ClassName->setFocus();
            QTest::keyClicks(window->ClassName, name);
            SetLevels(*window, levels);
            DoubleClickGridItems(*window, items);
            const qsizetype shown = game.Shown.size();
            QTest::mouseClick(window->Command1, Qt::LeftButton);
            if (game.Shown.size() > shown || name == u"Vests") {
                ClassRecord record = window->CurrentClass();
                if (name == u"Vests") // the window takes the second vest back at once
                    record.Entries.append(u"Load Bearing Vest"_s);
                const QString message = game.Shown.value(shown);
                refusals.insert(name, message.startsWith(u"Point allocation exceeded"_s) ? u"over-budget"_s
                                      : message.startsWith(u"You must posess"_s)         ? u"skill-missing"_s
                                                                                         : u"over-limit"_s);
                game.AddFile(u"tool/characters/"_s + ClassFileName(name),
                             ClassFileBytes(record, game.Editor->Catalogue, Base));
            }
        };
        window->Callsign->setText(u"Hawk"_s);
        PickComboEntry(window->HeadSkin, u"002"_s);
        build(u"Rifleman"_s, u"000200000002",
              {"M4A1", "Load Bearing Vest", "Frag Grenade", "Frag Grenade", "Smoke", "M249 SAW"});
        PickComboEntry(window->ModelName, u"urban"_s);
        build(u"Medic"_s, u"00000001100", {"Medkit", "Twin", "Pack", "Refund", "Hat", "Quote Hat"});
        build(u"Overspent"_s, u"44400000000", {"M4A1"});
        build(u"Untrained"_s, u"00000000000", {"C4 Charge"});
        build(u"Vests"_s, u"00000000000", {"Load Bearing Vest", "Load Bearing Vest"});
        QCOMPARE(refusals.size(), 3);
        // Saved classes written again as other tools write them.
        const QByteArray medic = ReadTestFile(game.Path(u"tool/characters/Medic.cfg"_s));
        game.AddFile(u"tool/characters/Medic LF.cfg"_s,
                     QByteArray(medic).replace("\r\n", "\n").replace("Medic", "Medic LF"));
        game.AddFile(u"tool/characters/Rifleman 16.cfg"_s,
                     FileBytes(DecodeFileText(ReadTestFile(game.Path(u"tool/characters/Rifleman.cfg"_s)))
                                   .replace(u"\r\n"_s, u"\n"_s)
                                   .replace(u"Rifleman"_s, u"Rifleman 16"_s),
                               u"utf-16le lf"_s));
        game.AddFile(u"tool/characters/Medic.old.cfg"_s, medic);

        ClassChecker checker(game.Editor->Settings, game.Editor->Catalogue, game.Location());
        const QStringList names = {u"Medic"_s,       u"Medic LF"_s,  u"Overspent"_s, u"Rifleman"_s,
                                   u"Rifleman 16"_s, u"Untrained"_s, u"Vests"_s};
        for (const QString& name : names) {
            const ClassJudgement judged =
                checker.Check(game.Path(u"tool/characters/"_s + ClassFileName(name)));
            if (refusals.contains(name)) {
                QCOMPARE(judged.Findings.size(), 1);
                QCOMPARE(RuleName(judged.Findings[0].Kind), refusals[name]);
                continue;
            }
            for (const Finding& finding : judged.Findings) // LF and UTF-16: notes only
                QVERIFY2(finding.What() == Severity::Note, qPrintable(finding.Text));
            if (window->ClassName->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
                window->ClassName->addItem(name); // a file added since start-up
            PickComboEntry(window->ClassName, name);
            const ClassSummary& summary = *judged.Summary;
            QCOMPARE(QStringList({QString::number(summary.PointsLeft), summary.WeightText,
                                  summary.MovementText, summary.SpecialText, summary.ClassName}),
                     QStringList({window->PointsAvailable->text(), window->WeightConsumed->text(),
                                  window->MovementMessage->text(), window->AmmoMessage->text(),
                                  window->ClassName->currentText()}));
        }
        QCOMPARE(
            RuleName(checker.Check(game.Path(u"tool/characters/Medic.old.cfg"_s)).Findings.value(0).Kind),
            u"never-loaded"_s);

        // Each entry listed at start-up opens its own file, which the checker judges; what the load tells of
        // the lines it passed over or read otherwise, the checker reports in the same words.
        int listed = 0;
        for (int entry = 0; entry < window->ClassName->count(); ++entry) {
            const QString fileName = window->ClassName->itemData(entry).toString();
            if (!listedFiles.contains(fileName))
                continue;
            ++listed;
            const ClassJudgement judged = checker.Check(game.Path(u"tool/characters/"_s + fileName));
            window->ClassName->showPopup();
            ClickItem(window->ClassName->view(), window->ClassName->view()->model()->index(entry, 0), false);
            QCOMPARE(QString::number(judged.Summary->PointsLeft) + judged.Summary->WeightText,
                     window->PointsAvailable->text() + window->WeightConsumed->text());
            for (const Finding& finding : judged.Findings) {
                static const QStringList lineNotes = {u"unknown-item"_s,        u"incomplete-skin-line"_s,
                                                      u"unknown-proficiency"_s, u"other-level"_s,
                                                      u"unknown-line"_s,        u"other-class-name"_s};
                if (lineNotes.contains(RuleName(finding.Kind))) {
                    QVERIFY2(window->LoadNote->toolTip().contains(
                                 u"line %1: %2"_s.arg(finding.Line).arg(finding.Text)),
                             qPrintable(window->LoadNote->toolTip()));
                }
            }
        }
        QCOMPARE(listed,
                 QDir(game.Path(u"tool/characters"_s)).entryList({u"Alpha.*"_s, u"Back*"_s}).size() + 1);
    }
};

QTEST_MAIN(CheckerTest)
#include "checkertest.moc"
