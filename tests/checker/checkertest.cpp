#include "checker/checkerrun.h"
#include "checker/classcheck.h"
#include "classfile/classfilename.h"
#include "classfile/classfilewriter.h"
#include "support/uitestsupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>

namespace {

struct CheckerRun {
    int Status = -1;
    QString Out;
    QString Err;
};

CheckerRun RunOn(const ProgramLocation& editor, const QStringList& arguments)
{
    CheckerRun run;
    QTextStream out(&run.Out), err(&run.Err);
    run.Status = RunChecker(QStringList{u"rostermaker-check"_s} + arguments, editor, out, err);
    return run;
}

// The first line of a class file as the editor writes it for the class.
QString HeaderLine(const QString& className)
{
    ClassRecord record;
    record.ClassName = className;
    return DecodeFileText(ClassFileBytes(record, EquipmentCatalogue(), Base)).section(u'\r', 0, 0);
}

// Each line of the report starts with its prefix.
void StartEach(const QString& report, const QStringList& prefixes)
{
    const QStringList lines = report.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), prefixes.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QVERIFY2(lines.at(i).startsWith(prefixes.at(i)), qPrintable(lines.at(i)));
}

} // namespace

// rostermaker-check: class files judged by the editor's rules, the report, the exit statuses, and its
// agreement with the window on classes built there.
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
        QString text = row[u"lines"];
        const bool utf8 = text.startsWith(u'\uFEFF');
        text = HeaderLine(text.section(u"set class \""_s, 1).section(u'"', 0, 0)) + u'\n' +
               text.mid(utf8 ? 1 : 0);
        const QByteArray bytes =
            utf8 ? "\xEF\xBB\xBF" + text.replace(u'\n', u"\r\n"_s).toUtf8() : CrLfBytes(text.split(u'\n'));
        const ClassJudgement judged = checker.Judge(game.Path(u"tool/characters/"_s + row[u"file"]), bytes);

        const QStringList expected =
            row[u"findings"] == u"-" ? QStringList() : row[u"findings"].split(u"; "_s);
        QCOMPARE(judged.Findings.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const Finding& finding = judged.Findings.at(i);
            const QString found =
                u"%1:%2:"_s.arg(finding.Line).arg(finding.What == Finding::Severity::Error ? 'E' : 'W');
            QVERIFY2(expected.at(i).startsWith(found) &&
                         finding.Text.contains(expected.at(i).section(u':', 2)),
                     qPrintable(found + finding.Text));
        }
    }

    // A folder's classes: the findings, one summary line each and the total; or the findings alone; or
    // JSON. The run reads and never writes.
    void folder_reportedAsTextOrJson()
    {
        GameFolder game;
        MakeStandardGame(game);
        const QStringList tail{"", "//Weapons and Equipment", ""};
        game.WriteClass(u"Good.cfg"_s, QStringList{HeaderLine(u"Good"_s), "set class \"Good\""} + tail);
        game.WriteClass(u"Odd.cfg"_s, QStringList{HeaderLine(u"Odd"_s), "set class \"Odd\"", "set x"} + tail);
        game.WriteClass(u"Bad.cfg"_s, QStringList{HeaderLine(u"Bad"_s), "set class \"Bad\""} + tail.first(2) +
                                          QStringList{"set equipment1 m203", ""});
        const auto path = [&game](const char* name) {
            return game.Path(u"tool/characters/"_s + name);
        };

        const CheckerRun text = RunOn(game.Location(), {});
        const QStringList expected = {
            path("Bad.cfg") + ":5: error: item \"m203\" is not in the weapons file",
            path("Bad.cfg") + ":5: warning: The file was edited by hand",
            path("Odd.cfg") + ":3: warning: the editor does not read this line",
            path("Odd.cfg") + ":3: warning: The file was edited by hand",
            path("Bad.cfg") + ": Bad | 1 error, 1 warning | 30 points left | 3.92 kg | Can move without",
            path("Good.cfg") + ": Good | sound | 30 points left | 3.92 kg | Can move without restrictions.",
            path("Odd.cfg") + ": Odd | 2 warnings | 30 points left",
            "3 classes: 1 sound, 1 with warnings, 1 with errors"};
        QVERIFY(text.Status == 1 && text.Err.isEmpty());
        StartEach(text.Out, expected);
        const CheckerRun quiet = RunOn(game.Location(), {u"--quiet"_s, path("Good.cfg"), path("Odd.cfg")});
        StartEach(quiet.Out,
                  {expected[2], expected[3], "2 classes: 1 sound, 1 with warnings, 0 with errors"});
        QCOMPARE(quiet.Status, 0);

        const CheckerRun json = RunOn(game.Location(), {u"--json"_s, u"--quiet"_s});
        const QJsonObject document = QJsonDocument::fromJson(json.Out.toUtf8()).object();
        const QJsonArray classes = document[u"classes"_s].toArray();
        QCOMPARE(classes.size(), 3);
        const QJsonObject bad = classes[0].toObject();
        QCOMPARE(bad[u"weight"_s].toDouble(), 3.92);
        QCOMPARE(bad[u"findings"_s][0][u"line"_s].toInt(), 5);
        QCOMPARE(bad[u"status"_s].toString() + classes[1][u"status"_s].toString(), u"errorssound"_s);
        QCOMPARE(document[u"totals"_s][u"withErrors"_s].toInt(), 1);
        QCOMPARE(json.Status, 1);
    }

    // The check cannot run: a bad option, a named settings or weapons file that cannot be read, a path that
    // does not exist, no characters folder (which the checker does not make). The reason goes to standard
    // error.
    void notRun_exitsWith2()
    {
        GameFolder game;
        MakeStandardGame(game);
        const QString missing = game.Path(u"none.ini"_s);
        const QList<std::pair<QStringList, QString>> cases = {
            {{"--bogus"}, "Unknown option 'bogus'."},
            {{"--settings", missing}, missing + " not found.\n"},
            {{"--weapons", missing}, "Error : Unable to open file " + missing + " for read access."},
            {{missing}, missing + ": no such file or folder\n"}};
        for (const auto& [arguments, reason] : cases) {
            const CheckerRun run = RunOn(game.Location(), arguments);
            QVERIFY2(run.Status == 2 && run.Out.isEmpty() && run.Err.startsWith(reason), qPrintable(run.Err));
        }
        QVERIFY(QDir(game.Path(u"tool/characters"_s)).removeRecursively());
        QCOMPARE(RunOn(game.Location(), {}).Status, 2);
        QVERIFY(!QDir(game.Path(u"tool/characters"_s)).exists());
    }

    // Without --settings the editor's settings file beside it, or the defaults; with it another file, whose
    // paths count from its own folder as if the editor lay there. Its messages do not stop the check.
    void settings_readAsTheEditorReadsThem()
    {
        GameFolder game;
        game.WriteWeapons(StandardItems());
        const CheckerRun defaults = RunOn(game.Location(), {});
        QCOMPARE(defaults.Err, game.Path(u"tool/rostermaker.ini"_s) + u" not found. Defaults used.\n"_s +
                                   ModelsFolderMissingMessage() +
                                   u" The classes' models and skins are not checked.\n"_s);
        QCOMPARE(defaults.Out, u"0 classes: 0 sound, 0 with warnings, 0 with errors\n"_s);

        game.AddFile(u"server/setup.conf"_s,
                     CrLfBytes({"[Application]", "Character Path=\\classes", "Starting Points=99999",
                                "Weapons File Name=..\\weapons.csv"}));
        game.AddFile(u"server/classes/Lone.cfg"_s, CrLfBytes({"set equipment1 m4a1"}));
        const CheckerRun elsewhere =
            RunOn(game.Location(), {u"--settings"_s, game.Path(u"server/setup.conf"_s)});
        QVERIFY2(elsewhere.Out.contains(game.Path(u"server/classes/Lone.cfg"_s) +
                                        u": Lone | 1 warning | 25 points"_s),
                 qPrintable(elsewhere.Out));
        QVERIFY(elsewhere.Err.startsWith(
            u"\"Starting Points\" in %1 is 99999"_s.arg(game.Path(u"server/setup.conf"_s))));
        QCOMPARE(elsewhere.Status, 0);
    }

    // The program itself, on the demo game with its settings: the hand-edited class has an error.
    void program_onTheDemoGame()
    {
        QProcess checker;
        checker.start(u"" ROSTERMAKER_CHECK ""_s,
                      {u"--settings"_s, u"" ROSTERMAKER_DEMO_DATA "/tool/rostermaker.ini"_s});
        QVERIFY(checker.waitForFinished(60000));
        const QString out = QString::fromUtf8(checker.readAllStandardOutput()).replace(u"\r\n"_s, u"\n"_s);
        QVERIFY2(out.contains(u"Scout.cfg:13: error: item \"m203\" is not in the weapons file"_s) &&
                     out.contains(u"can\u2019t jump"_s) &&
                     out.endsWith(u"3 classes: 2 sound, 0 with warnings, 1 with errors\n"_s),
                 qPrintable(out));
        QCOMPARE(checker.exitCode(), 1);
    }

    // Classes built in the window: what it saves, the checker finds sound and unchanged and sums up as the
    // window shows it once loaded; what it refuses to save, written all the same, is an error with the
    // window's own message.
    void agreesWithTheWindow()
    {
        EditorGame game;
        MakeStandardGame(game);
        Form1* window = game.Start();
        QVERIFY(window);
        QHash<QString, QString> refusals; // by class
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
                refusals.insert(name, game.Shown.value(shown, u"(lbv) is selected 2 times"_s));
                game.AddFile(u"tool/characters/"_s + ClassFileName(name),
                             ClassFileBytes(record, game.Editor->Catalogue, Base));
            }
        };
        window->Callsign->setText(u"Hawk"_s);
        PickComboEntry(window->HeadSkin, u"002"_s);
        build(u"Rifleman"_s, u"000200000002",
              {"M4A1", "Load Bearing Vest", "Frag Grenade", "Frag Grenade", "Smoke", "M249 SAW"});
        PickComboEntry(window->ModelName, u"urban"_s);
        build(u"Medic"_s, u"00000001100", {"Medkit", "Twin", "Pack", "Refund"});
        build(u"Overspent"_s, u"44400000000", {"M4A1"});
        build(u"Untrained"_s, u"00000000000", {"C4 Charge"});
        build(u"Vests"_s, u"00000000000", {"Load Bearing Vest", "Load Bearing Vest"});
        QCOMPARE(refusals.size(), 3);

        ClassChecker checker(game.Editor->Settings, game.Editor->Catalogue, game.Location());
        for (const QString& name : {u"Medic"_s, u"Overspent"_s, u"Rifleman"_s, u"Untrained"_s, u"Vests"_s}) {
            const ClassJudgement judged =
                checker.Check(game.Path(u"tool/characters/"_s + ClassFileName(name)));
            if (refusals.contains(name)) {
                QCOMPARE(judged.Findings.size(), 1);
                QVERIFY(judged.Findings[0].What == Finding::Severity::Error &&
                        judged.Findings[0].Text.contains(refusals[name]));
                continue;
            }
            QCOMPARE(judged.Findings.size(), 0);
            PickComboEntry(window->ClassName, name);
            const ClassSummary& summary = *judged.Summary;
            QCOMPARE(QStringList({QString::number(summary.PointsLeft), summary.WeightText,
                                  summary.MovementText, summary.SpecialText}),
                     QStringList({window->PointsAvailable->text(), window->WeightConsumed->text(),
                                  window->MovementMessage->text(), window->AmmoMessage->text()}));
        }
    }
};

QTEST_MAIN(CheckerTest)
#include "checkertest.moc"
