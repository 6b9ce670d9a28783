#pragma once

#include <QString>

// Path text as the settings and the class files write it ("\characters", "..\weapons.csv", "C:\...")
// follows one of two styles:
//  - Windows: "\" is the separator; a path holding ":" is full.
//  - Posix: "\" and "/" both separate and climb; a path holding ":" or starting with "/" is full.
// The program uses the native style; tests use both.
enum class PathStyle { Windows, Posix };

PathStyle NativePathStyle();

// The separator that the style puts between a folder and a name it joins.
QChar Separator(PathStyle style);

bool IsSeparator(QChar c, PathStyle style);

bool IsFullPath(const QString& path, PathStyle style);

// The path named by path relative to base. Each leading "..\" (or "../" in the Posix style) climbs one
// folder of base: base is cut back to, and including, its last separator before its final character.
// What is left of path is then appended to base with nothing inserted, so a relative setting is written
// with a leading separator ("\characters") or with leading "..\" parts.
QString ResolveRelativePath(QString path, QString base, PathStyle style);

// folder, the style's separator, name.
QString JoinPath(const QString& folder, const QString& name, PathStyle style);

// The text after the last separator.
QString LastPathComponent(const QString& path, PathStyle style);

// The path as the file system of this machine takes it: in the Posix style every "\" becomes "/".
QString ToNativePath(const QString& path, PathStyle style);
