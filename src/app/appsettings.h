#pragma once

#include "platform/fixeddecimal.h"
#include "platform/inifile.h"
#include "platform/paths.h"
#include "platform/result.h"

#include <QString>
#include <QStringList>
#include <functional>

// Where the running program lies, and the path style it works in.
struct ProgramLocation {
    QString ExecutableFolder; // without a final separator except at the root
    QString ExecutableBaseName;
    PathStyle Style = NativePathStyle();
};

// The values of the settings file, with their defaults applied. Filled once at start-up.
struct AppSettings {
    QString SettingsFilePath;
    QString WeaponsFileIdentifier;
    QString StartingEquipmentName;
    FixedDecimal StartingEquipmentWeight;
    QString MedicalSkillName;
    QString ExplosivesSkillName;
    QString CharacterPath; // full path of the class files' folder
    QString ModelPath;     // as written; the model discovery resolves it
    qint16 StartingPoints = 0;
    QString WeaponsFileName; // as written, blanks removed; the catalogue resolves it
};

// The executable's folder, a separator, its base name and ".ini".
QString SettingsFilePathFor(const ProgramLocation& location);

// The path named by path relative to the executable's folder (see ResolveRelativePath).
QString ResolveFromExecutable(const QString& path, const ProgramLocation& location);

// The native path that a path setting names: a full path as it stands, any other relative to the
// executable's folder (the characters folder, the weapons file, the models folder).
QString ResolveSettingPath(const QString& path, const ProgramLocation& location);

// The settings from the values that readSetting gives for the keys of the section "Application" ("0"
// for an absent key): defaults applied, numbers converted, the characters folder made a full path. Does
// not touch the file system. Always succeeds; its messages name the values that were refused, and the
// settings file they came from: settingsFile, or when empty the one beside the executable.
Result<AppSettings> SettingsFromValues(const std::function<QString(const QString& key)>& readSetting,
                                       const ProgramLocation& location, const QString& settingsFile = {});

// The values of a settings file (a native path), or why it cannot be read: missing or unreadable ("... not
// found."), or too large for a settings file.
Result<IniFile> ReadSettingsFile(const QString& settingsFile);

// The settings that a settings file gives, its paths resolved against location, as SettingsFromValues
// gives them. A file that could not be read gives the defaults, with its reason and "Defaults used." as
// the first message. Reads only: a characters folder found without regard to case is named as the disk
// has it, and a missing one is not made.
Result<AppSettings> SettingsFromFile(const Result<IniFile>& file, const QString& settingsFile,
                                     const ProgramLocation& location);

// Reads the settings file beside the executable and makes sure that the characters folder exists.
// Always succeeds; its messages report a missing settings file, values out of range and a folder that
// could not be made, in this order.
Result<AppSettings> LoadSettings(const ProgramLocation& location);

// Makes the characters folder when it is missing (one level: its parent must exist); a folder that
// differs only in case counts as existing. Fails, with the message that says so, when it still is missing.
Result<> MakeCharactersFolder(const QString& characterPath);
