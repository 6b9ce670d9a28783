#include "checker/checkerrun.h"

#include "catalogue/weaponsfile.h"
#include "checker/checkerhelp.h"
#include "checker/classcheck.h"
#include "checker/classfilesearch.h"
#include "checker/report.h"
#include "platform/files.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <bitset>

namespace {

constexpr int CouldNotCheck = 2;

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Why a file that the editor's own reading refused cannot be read, in the system's words where it has
// them; otherwise the editor's message in console words.
QString WhyUnreadable(const QString& path, const QString& message)
{
    const FileContent file = ReadWholeFile(path, 0);
    return file.Result == FileContent::Outcome::Unreadable ? SystemWords(file.Reason) : ConsoleWords(message);
}

// The command line as the checker takes it. The options' descriptions are in help.txt.
struct CheckOptions {
    QCommandLineParser Parser;
    QCommandLineOption Help{{QStringLiteral("h"), QStringLiteral("help")}, QString()};
    QCommandLineOption Version{{QStringLiteral("V"), QStringLiteral("version")}, QString()};
    QCommandLineOption Quiet{{QStringLiteral("q"), QStringLiteral("quiet")}, QString()};
    QCommandLineOption Strict{
        {QStringLiteral("W"), QStringLiteral("warnings-as-errors"), QStringLiteral("strict")}, QString()};
    QCommandLineOption Ignore{
        {QStringLiteral("e"), QStringLiteral("ignore")}, QString(), QStringLiteral("rule")};
    QCommandLineOption Json{{QStringLiteral("j"), QStringLiteral("json")}, QString()};
    QCommandLineOption Color{QStringLiteral("color"), QString(), QStringLiteral("when")};
    QCommandLineOption NoRecursive{QStringLiteral("no-recursive"), QString()};
    QCommandLineOption Settings{QStringLiteral("settings"), QString(), QStringLiteral("file")};
    QCommandLineOption Weapons{QStringLiteral("weapons"), QString(), QStringLiteral("file")};

    std::bitset<RuleCount> Ignored;
    TextStyle OutStyle;
    TextStyle ErrStyle;

    CheckOptions()
    {
        Parser.addOptions(
            {Help, Version, Quiet, Strict, Ignore, Json, Color, NoRecursive, Settings, Weapons});
    }

    // Reads the command line; the reason when it is wrong.
    std::optional<QString> Parse(const QStringList& arguments, ColourTerminals terminals)
    {
        if (!Parser.parse(arguments)) {
            const QStringList unknown = Parser.unknownOptionNames();
            if (unknown.isEmpty())
                return ConsoleWords(Parser.errorText());
            const QString& name = unknown.first();
            return QStringLiteral("unknown option '%1%2'").arg(name.size() == 1 ? "-" : "--", name);
        }
        for (const QString& list : Parser.values(Ignore)) {
            for (const QString& name : list.split(u',', Qt::SkipEmptyParts)) {
                const std::optional<Rule> rule = RuleNamed(name.trimmed());
                if (!rule)
                    return QStringLiteral("unknown rule '%1' for --ignore (--help lists the rules)")
                        .arg(name);
                Ignored.set(std::size_t(*rule));
            }
        }
        const QString when = Parser.isSet(Color) ? Parser.value(Color) : QStringLiteral("auto");
        if (when != u"auto" && when != u"always" && when != u"never")
            return QStringLiteral("--color takes auto, always or never, not '%1'").arg(when);
        // https://no-color.org: a non-empty NO_COLOR turns colours off, unless the command line asks.
        const bool automatic = when == u"auto" && qEnvironmentVariableIsEmpty("NO_COLOR");
        OutStyle = {when == u"always" || (automatic && terminals.Out), Parser.isSet(Quiet)};
        ErrStyle = {when == u"always" || (automatic && terminals.Err), Parser.isSet(Quiet)};
        return std::nullopt;
    }
};

// The settings as the editor reads them, with nothing made on disk, from the editor's settings file or the
// one named; location becomes the place the named file's paths count from. A settings file named that
// cannot be read is an error of the run; the editor's own missing one, and values out of range, notes.
std::optional<AppSettings> SettingsToCheckWith(const CheckOptions& options, ProgramLocation& location,
                                               CheckRun& run)
{
    QString settingsFile = ToNativePath(SettingsFilePathFor(location), location.Style);
    const bool named = options.Parser.isSet(options.Settings);
    if (named) {
        const QFileInfo file(options.Parser.value(options.Settings));
        location = {Native(file.absolutePath()), file.completeBaseName(), NativePathStyle()};
        settingsFile = Native(file.absoluteFilePath());
    }
    const Result<IniFile> values = ReadSettingsFile(settingsFile);
    if (!values) {
        const QString reason = QStringLiteral("cannot read the settings file %1: %2")
                                   .arg(settingsFile, WhyUnreadable(settingsFile, values.Reason()));
        if (named) {
            run.Errors.append(reason);
            return std::nullopt;
        }
        run.Notes.append(reason + QStringLiteral("; the editor's defaults are used"));
    }
    Result<AppSettings> read = SettingsFromFile(values, settingsFile, location);
    // The first message of a file not read says so, as the note above does.
    for (qsizetype i = values ? 0 : 1; i < read.Messages().size(); ++i)
        run.Notes.append(ConsoleWords(read.Messages().at(i)));
    AppSettings settings = *std::move(read);
    if (options.Parser.isSet(options.Weapons))
        settings.WeaponsFileName =
            Native(QFileInfo(options.Parser.value(options.Weapons)).absoluteFilePath());
    return settings;
}

// The catalogue of the weapons file that the settings name; none, with the run's error, when the editor
// would not start with it.
std::optional<EquipmentCatalogue> CatalogueToCheckWith(const AppSettings& settings,
                                                       const ProgramLocation& location, CheckRun& run)
{
    Result<EquipmentCatalogue> catalogue = LoadWeaponsFile(settings, location);
    if (catalogue)
        return *std::move(catalogue);
    const QString path = ResolveSettingPath(settings.WeaponsFileName, location);
    run.Errors.append(catalogue.Reason() == MissingWeaponsFileMessage(path)
                          ? QStringLiteral("cannot read the weapons file %1: %2")
                                .arg(path, WhyUnreadable(path, catalogue.Reason()))
                          : ConsoleWords(catalogue.Reason()));
    return std::nullopt;
}

// Every class file that the paths name judged, and every path that cannot be checked, in order; the
// findings of ignored rules left out, as if there were none.
void CheckPaths(const QStringList& paths, const CheckOptions& options, ClassChecker& checker, CheckRun& run)
{
    ClassFileSearch search(!options.Parser.isSet(options.NoRecursive));
    for (const QString& path : paths)
        search.Add(path);
    run.HiddenPassedOver = search.HiddenPassedOver();
    run.InSubfoldersPassedOver = search.InSubfoldersPassedOver();
    run.Judgements.reserve(search.Entries().size());
    for (const ClassFileSearch::Entry& entry : search.Entries()) {
        ClassJudgement judgement =
            entry.Problem ? ClassJudgement{entry.Path, QString(), std::nullopt, {*entry.Problem}, false}
                          : checker.Check(entry.Path, entry.OtherCases);
        if (options.Ignored.any()) {
            judgement.Findings.removeIf(
                [&options](const Finding& f) { return options.Ignored.test(std::size_t(f.Kind)); });
            if (!judgement.Checked && judgement.Findings.isEmpty())
                continue;
        }
        run.Judgements.append(std::move(judgement));
    }
}

// Writes text on out; one that cannot be written (a full disk, a closed pipe whose signal is ignored) ends
// the run with status 2 and its reason on err.
int Write(const QString& text, int status, QTextStream& out, QTextStream& err)
{
    out << text << Qt::flush;
    if (out.status() != QTextStream::Ok) {
        const QString reason = out.device() ? out.device()->errorString() : QString();
        err << "rostermaker-check: error: cannot write the report"
            << (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason) << "\n"
            << Qt::flush;
        return CouldNotCheck;
    }
    return status;
}

// Writes the messages and the report.
int Report(const CheckRun& run, const CheckOptions& options, QTextStream& out, QTextStream& err)
{
    err << MessageLines(run, options.ErrStyle) << Qt::flush;
    return Write(options.Parser.isSet(options.Json) ? QString::fromUtf8(JsonReport(run))
                                                    : TextReport(run, options.OutStyle),
                 ExitStatusOf(run), out, err);
}

} // namespace

QString EditorBaseName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Rostermaker");
#else
    return QStringLiteral("rostermaker");
#endif
}

int RunChecker(const QStringList& arguments, const ProgramLocation& editor, QTextStream& out,
               QTextStream& err, ColourTerminals terminals)
{
    CheckOptions options;
    if (const std::optional<QString> wrong = options.Parse(arguments, terminals)) {
        err << "rostermaker-check: " << ShownText(*wrong) << "\nTry 'rostermaker-check --help'.\n"
            << Qt::flush;
        return CouldNotCheck;
    }
    const QCommandLineParser& parser = options.Parser;
    if (parser.isSet(options.Help) || parser.isSet(options.Version)) {
        return Write(parser.isSet(options.Help)
                         ? QString::fromUtf8(CheckerHelpText)
                         : QStringLiteral("rostermaker-check " ROSTERMAKER_VERSION "\n"),
                     0, out, err);
    }

    CheckRun run;
    run.WarningsAsErrors = parser.isSet(options.Strict);
    ProgramLocation location = editor;
    const std::optional<AppSettings> settings = SettingsToCheckWith(options, location, run);
    const std::optional<EquipmentCatalogue> catalogue =
        settings ? CatalogueToCheckWith(*settings, location, run) : std::nullopt;
    if (!catalogue)
        return Report(run, options, out, err);

    ClassChecker checker(*settings, *catalogue, location);
    if (!checker.ModelsListed()) {
        run.Notes.append(QStringLiteral("no models folder %1 (Model Path): models and skins are not checked")
                             .arg(ResolveSettingPath(settings->ModelPath, location)));
    }
    const QStringList paths = parser.positionalArguments();
    CheckPaths(paths.isEmpty() ? QStringList{settings->CharacterPath} : paths, options, checker, run);
    if (paths.isEmpty() && !run.Judgements.isEmpty() && !run.Judgements.first().Checked) {
        run.Notes.append(
            QStringLiteral("%1 is the characters folder that the settings name (Character Path); "
                           "name the class files or folders to check: rostermaker-check PATH...")
                .arg(settings->CharacterPath));
    }
    return Report(run, options, out, err);
}
