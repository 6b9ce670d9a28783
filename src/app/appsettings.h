#pragma once

#include "platform/fixeddecimal.h"
#include "platform/paths.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

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

struct SettingsResult {
    AppSettings Settings;
    QStringList Messages; // to be shown in this order
};

// The settings from the values that readSetting gives for the keys of the section "Application" ("0"
// for an absent key): defaults applied, numbers converted, the characters folder made a full path. Does
// not touch the file system.
SettingsResult SettingsFromValues(const std::function<QString(const QString& key)>& readSetting,
                                  const ProgramLocation& location);

// Reads the settings file beside the executable and makes sure that the characters folder exists.
// The messages report a missing settings file, values out of range and a folder that could not be made.
SettingsResult LoadSettings(const ProgramLocation& location);

// Makes the characters folder when it is missing (one level: its parent must exist); a folder that
// differs only in case counts as existing. Nothing when the folder exists, else the message that says so.
std::optional<QString> MakeCharactersFolder(const QString& characterPath);
