#include "checker/checkerrun.h"

#include "catalogue/weaponsfile.h"
#include "checker/classcheck.h"
#include "checker/report.h"
#include "classfile/classfilename.h"
#include "platform/files.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace {

// Exit statuses.
constexpr int AllSound = 0;
constexpr int SomeErrors = 1;
constexpr int CouldNotRun = 2;

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A message box's text for the console: its CR LF line breaks as the console's.
QString ConsoleText(QString message)
{
    return message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The class files that the arguments name, as native paths shown as given: a file itself, a folder its
// class files as the class list finds them. Fails when one of them does not exist.
Result<QStringList> ClassFilesNamed(const QStringList& arguments)
{
    QStringList files;
    for (const QString& argument : arguments) {
        if (!PathExists(argument))
            return Result<QStringList>::Failure(QStringLiteral("%1: no such file or folder").arg(argument));
        const QString located = LocatePath(argument);
        if (!QFileInfo(located).isDir()) {
            files.append(Native(located));
            continue;
        }
        for (const QString& fileName : ClassFileNamesInFolder(located))
            files.append(Native(QDir(located).filePath(fileName)));
    }
    return files;
}

// The command line as the checker takes it.
struct CheckOptions {
    QCommandLineParser Parser;
    QCommandLineOption Help = Parser.addHelpOption();
    QCommandLineOption Version = Parser.addVersionOption();
    QCommandLineOption Settings{
        QStringLiteral("settings"),
        QStringLiteral("The settings file to read instead of the editor's beside this "
                       "program; the paths in it count from its folder."),
        QStringLiteral("file")};
    QCommandLineOption Weapons{
        QStringLiteral("weapons"),
        QStringLiteral("The weapons file to read instead of the one the settings name."),
        QStringLiteral("file")};
    QCommandLineOption Json{QStringLiteral("json"), QStringLiteral("Print one JSON document.")};
    QCommandLineOption Quiet{QStringLiteral("quiet"),
                             QStringLiteral("Print only the findings and the total.")};

    CheckOptions()
    {
        Parser.setApplicationDescription(
            QStringLiteral("Checks Halcyx class files by the rules of the Rostermaker editor: what it would "
                           "refuse to save, what it reads otherwise or drops, and what its next save would "
                           "change.\nExit status: 0 when no class has an error, 1 when one has, 2 when the "
                           "check could not run."));
        Parser.addOptions({Settings, Weapons, Json, Quiet});
        Parser.addPositionalArgument(
            QStringLiteral("paths"),
            QStringLiteral("Class files, or folders whose class files (*.cfg) to check; "
                           "by default the characters folder of the settings."),
            QStringLiteral("[paths...]"));
    }
};

// The settings as the editor reads them, with nothing made on disk, from the editor's settings file or the
// one named; location becomes the place the named file's paths count from. Its messages go to err. Fails
// when a settings file named cannot be read.
Result<AppSettings> SettingsToCheckWith(const CheckOptions& options, ProgramLocation& location,
                                        QTextStream& err)
{
    QString settingsFile = ToNativePath(SettingsFilePathFor(location), location.Style);
    const bool named = options.Parser.isSet(options.Settings);
    if (named) {
        const QFileInfo file(options.Parser.value(options.Settings));
        location = {Native(file.absolutePath()), file.completeBaseName(), NativePathStyle()};
        settingsFile = Native(file.absoluteFilePath());
    }
    const Result<IniFile> values = ReadSettingsFile(settingsFile);
    if (!values && named)
        return Result<AppSettings>::Failure(values.Reason());
    Result<AppSettings> read = SettingsFromFile(values, settingsFile, location);
    for (const QString& message : read.Messages())
        err << ConsoleText(message) << "\n";
    AppSettings settings = *std::move(read);
    if (options.Parser.isSet(options.Weapons))
        settings.WeaponsFileName =
            Native(QFileInfo(options.Parser.value(options.Weapons)).absoluteFilePath());
    return settings;
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
               QTextStream& err)
{
    CheckOptions options;
    QCommandLineParser& parser = options.Parser;
    const auto couldNotRun = [&err](const QString& reason) {
        err << ConsoleText(reason) << "\n" << Qt::flush;
        return CouldNotRun;
    };
    if (!parser.parse(arguments))
        return couldNotRun(parser.errorText());
    if (parser.isSet(options.Help) || parser.isSet(options.Version)) {
        out << (parser.isSet(options.Help) ? parser.helpText()
                                           : QStringLiteral("rostermaker-check " ROSTERMAKER_VERSION "\n"))
            << Qt::flush;
        return AllSound;
    }

    ProgramLocation location = editor;
    const Result<AppSettings> settings = SettingsToCheckWith(options, location, err);
    if (!settings)
        return couldNotRun(settings.Reason());
    const Result<EquipmentCatalogue> catalogue = LoadWeaponsFile(*settings, location);
    if (!catalogue)
        return couldNotRun(catalogue.Reason());
    const QStringList paths = parser.positionalArguments();
    const Result<QStringList> files =
        ClassFilesNamed(paths.isEmpty() ? QStringList{settings->CharacterPath} : paths);
    if (!files)
        return couldNotRun(files.Reason());

    ClassChecker checker(*settings, *catalogue, location);
    if (!checker.ModelsListed())
        err << ModelsFolderMissingMessage() << " The classes' models and skins are not checked.\n";
    err << Qt::flush;
    QList<ClassJudgement> judgements;
    judgements.reserve(files->size());
    for (const QString& file : *files)
        judgements.append(checker.Check(file));

    out << (parser.isSet(options.Json) ? QString::fromUtf8(JsonReport(judgements))
                                       : TextReport(judgements, parser.isSet(options.Quiet)))
        << Qt::flush;
    return TotalsOf(judgements).WithErrors > 0 ? SomeErrors : AllSound;
}
