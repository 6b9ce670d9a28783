#include "app/appsettings.h"

#include "platform/files.h"
#include "platform/inifile.h"
#include "platform/numbers.h"
#include "platform/text.h"

#include <cmath>

namespace {

const QString SettingsSection = QStringLiteral("Application");
// A settings file is a few lines; anything far larger is not read into memory.
constexpr qint64 LargestSettingsFile = 16 * 1024 * 1024;
constexpr qint16 DefaultStartingPoints = 30;
const FixedDecimal DefaultStartingEquipmentWeight = FixedDecimal::FromTenThousandths(39200);

QString TextOrDefault(const QString& value, const QString& fallback)
{
    return value == QStringLiteral("0") ? fallback : value;
}

// A numeric setting that its field cannot hold is refused with a message; its default is used instead.
QString UnusableValueMessage(const QString& settingsFile, const QString& key, const QString& value,
                             const QString& problem, const QString& fallback)
{
    return QStringLiteral("\"%1\" in %2 is %3, %4. The default %5 is used.")
        .arg(key, settingsFile, value, problem, fallback);
}

} // namespace

QString SettingsFilePathFor(const ProgramLocation& location)
{
    return JoinPath(location.ExecutableFolder, location.ExecutableBaseName + QStringLiteral(".ini"),
                    location.Style);
}

QString ResolveFromExecutable(const QString& path, const ProgramLocation& location)
{
    return ResolveRelativePath(path, location.ExecutableFolder, location.Style);
}

QString ResolveSettingPath(const QString& path, const ProgramLocation& location)
{
    return ToNativePath(IsFullPath(path, location.Style) ? path : ResolveFromExecutable(path, location),
                        location.Style);
}

Result<AppSettings> SettingsFromValues(const std::function<QString(const QString& key)>& readSetting,
                                       const ProgramLocation& location, const QString& settingsFile)
{
    AppSettings s;
    QStringList messages;
    s.SettingsFilePath = settingsFile.isEmpty() ? SettingsFilePathFor(location) : settingsFile;
    const QString shownSettingsFile = ToNativePath(s.SettingsFilePath, location.Style);

    s.WeaponsFileIdentifier =
        TextOrDefault(readSetting(QStringLiteral("Weapons File Identifier")), QStringLiteral("InternalName"));
    s.StartingEquipmentName = TextOrDefault(readSetting(QStringLiteral("Starting Equipment Name")),
                                            QStringLiteral("Base (Clothing and Shoes/Boots/Knife)"));

    const QString weightText = readSetting(QStringLiteral("Starting Equipment Weight"));
    const double weight = NumericValue(weightText);
    if (!FixedDecimal::Fits(weight)) {
        messages.append(UnusableValueMessage(shownSettingsFile, QStringLiteral("Starting Equipment Weight"),
                                             weightText, QStringLiteral("which is too large"),
                                             QStringLiteral("3.92")));
        s.StartingEquipmentWeight = DefaultStartingEquipmentWeight;
    } else {
        s.StartingEquipmentWeight = FixedDecimal::FromDouble(weight);
        if (s.StartingEquipmentWeight == FixedDecimal())
            s.StartingEquipmentWeight = DefaultStartingEquipmentWeight;
    }

    s.MedicalSkillName =
        TextOrDefault(readSetting(QStringLiteral("Medical Skill Name")), QStringLiteral("medicskill"));
    s.ExplosivesSkillName = TextOrDefault(readSetting(QStringLiteral("Explosives Skill Name")),
                                          QStringLiteral("explosivesskill"));

    const QString characterPath =
        TextOrDefault(readSetting(QStringLiteral("Character Path")), QStringLiteral("\\characters"));
    s.CharacterPath = ResolveSettingPath(characterPath, location);

    s.ModelPath = readSetting(QStringLiteral("Model Path"));

    const QString pointsText = readSetting(QStringLiteral("Starting Points"));
    const std::optional<qint16> points = ToInt16(NumericValue(pointsText));
    if (!points) {
        messages.append(UnusableValueMessage(
            shownSettingsFile, QStringLiteral("Starting Points"), pointsText,
            QStringLiteral("which is outside the range from -32768 to 32767"), QStringLiteral("30")));
    }
    s.StartingPoints = points.value_or(0) == 0 ? DefaultStartingPoints : *points;

    s.WeaponsFileName = TextOrDefault(TrimSpaces(readSetting(QStringLiteral("Weapons File Name"))),
                                      QStringLiteral("..\\weapons.csv"));
    return {s, messages};
}

Result<IniFile> ReadSettingsFile(const QString& settingsFile)
{
    const FileContent content = ReadWholeFile(settingsFile, LargestSettingsFile);
    switch (content.Result) {
    case FileContent::Outcome::Read:
        break;
    case FileContent::Outcome::Unreadable:
        return Result<IniFile>::Failure(settingsFile + QStringLiteral(" not found."));
    case FileContent::Outcome::TooLarge:
        return Result<IniFile>::Failure(
            settingsFile + QStringLiteral(" is larger than 16 MiB, too large for a settings file."));
    }
    return IniFile::Parse(content.Bytes);
}

Result<AppSettings> SettingsFromFile(const Result<IniFile>& file, const QString& settingsFile,
                                     const ProgramLocation& location)
{
    QStringList messages;
    if (!file)
        messages.append(file.Reason() + QStringLiteral(" Defaults used."));
    const IniFile none;
    const IniFile& ini = file ? *file : none;
    Result<AppSettings> fromValues = SettingsFromValues(
        [&ini](const QString& key) { return ini.Value(SettingsSection, key); }, location, settingsFile);
    AppSettings settings = *fromValues;
    if (PathExists(settings.CharacterPath))
        settings.CharacterPath = LocatePath(settings.CharacterPath);
    return {settings, messages + fromValues.Messages()};
}

Result<AppSettings> LoadSettings(const ProgramLocation& location)
{
    const QString settingsFile = ToNativePath(SettingsFilePathFor(location), location.Style);
    const Result<AppSettings> read = SettingsFromFile(ReadSettingsFile(settingsFile), settingsFile, location);
    const Result<> folder = MakeCharactersFolder(read->CharacterPath);
    return {*read, read.Messages() + folder.Messages()};
}

Result<> MakeCharactersFolder(const QString& characterPath)
{
    if (!PathExists(characterPath))
        CreateFolder(characterPath);
    if (PathExists(characterPath))
        return {};
    return Result<>::Failure(characterPath +
                             QStringLiteral(" was not found. An attempt to create the path was "
                                            "unsuccessfully made."));
}
