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
// class files as the class list finds them. Empty and a reason when one of them does not exist.
std::optional<QStringList> ClassFilesNamed(const QStringList& arguments, QString& reason)
{
    QStringList files;
    for (const QString& argument : arguments) {
        if (!PathExists(argument)) {
            reason = QStringLiteral("%1: no such file or folder").arg(argument);
            return std::nullopt;
        }
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
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks Halcyx class files by the rules of the Rostermaker editor: what it would refuse to save, "
        "what "
        "it reads otherwise or drops, and what its next save would change.\n"
        "Exit status: 0 when no class has an error, 1 when one has, 2 when the check could not run."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption settingsOption(
        QStringLiteral("settings"),
        QStringLiteral(
            "The settings file to read instead of the editor's beside this program; the paths in it "
            "count from its folder."),
        QStringLiteral("file"));
    const QCommandLineOption weaponsOption(
        QStringLiteral("weapons"),
        QStringLiteral("The weapons file to read instead of the one the settings name."),
        QStringLiteral("file"));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("Print one JSON document."));
    const QCommandLineOption quietOption(QStringLiteral("quiet"),
                                         QStringLiteral("Print only the findings and the total."));
    parser.addOptions({settingsOption, weaponsOption, jsonOption, quietOption});
    parser.addPositionalArgument(
        QStringLiteral("paths"),
        QStringLiteral(
            "Class files, or folders whose class files (*.cfg) to check; by default the characters "
            "folder of the settings."),
        QStringLiteral("[paths...]"));

    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\n" << Qt::flush;
        return CouldNotRun;
    }
    if (parser.isSet(helpOption)) {
        out << parser.helpText() << Qt::flush;
        return AllSound;
    }
    if (parser.isSet(versionOption)) {
        out << "rostermaker-check " << QStringLiteral(ROSTERMAKER_VERSION) << "\n" << Qt::flush;
        return AllSound;
    }

    // The settings as the editor reads them, but nothing made on disk.
    ProgramLocation location = editor;
    QString settingsFile = ToNativePath(SettingsFilePathFor(editor), editor.Style);
    if (parser.isSet(settingsOption)) {
        const QFileInfo named(parser.value(settingsOption));
        location = {Native(named.absolutePath()), named.completeBaseName(), NativePathStyle()};
        settingsFile = Native(named.absoluteFilePath());
    }
    const Result<IniFile> settingsValues = ReadSettingsFile(settingsFile);
    if (!settingsValues && parser.isSet(settingsOption)) {
        err << settingsValues.Reason() << "\n" << Qt::flush;
        return CouldNotRun;
    }
    const Result<AppSettings> read = SettingsFromFile(settingsValues, settingsFile, location);
    for (const QString& message : read.Messages())
        err << ConsoleText(message) << "\n";
    AppSettings settings = *read;
    if (parser.isSet(weaponsOption))
        settings.WeaponsFileName = Native(QFileInfo(parser.value(weaponsOption)).absoluteFilePath());

    const Result<EquipmentCatalogue> catalogue = LoadWeaponsFile(settings, location);
    if (!catalogue) {
        err << ConsoleText(catalogue.Reason()) << "\n" << Qt::flush;
        return CouldNotRun;
    }

    QStringList named = parser.positionalArguments();
    if (named.isEmpty())
        named.append(settings.CharacterPath);
    QString reason;
    const std::optional<QStringList> files = ClassFilesNamed(named, reason);
    if (!files) {
        err << reason << "\n" << Qt::flush;
        return CouldNotRun;
    }

    ClassChecker checker(settings, *catalogue, location);
    if (!checker.ModelsListed())
        err << ModelsFolderMissingMessage() << " The classes' models and skins are not checked.\n";
    err << Qt::flush;
    QList<ClassJudgement> judgements;
    judgements.reserve(files->size());
    for (const QString& file : *files)
        judgements.append(checker.Check(file));

    if (parser.isSet(jsonOption))
        out << QString::fromUtf8(JsonReport(judgements));
    else
        out << TextReport(judgements, parser.isSet(quietOption));
    out << Qt::flush;
    return TotalsOf(judgements).WithErrors > 0 ? SomeErrors : AllSound;
}
