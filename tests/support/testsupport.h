#pragma once

#include "catalogue/equipment.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Helpers shared by the test suites.

// Lines joined with CR LF after each one, in Windows-1252: the bytes of a file as the editor writes them.
QByteArray CrLfBytes(const QStringList& lines);

// Writes bytes to path, making the folders on the way. Fails the test (returns false) when it cannot.
bool WriteTestFile(const QString& path, const QByteArray& bytes);

QByteArray ReadTestFile(const QString& path);

// A catalogue item with the fields that most tests need.
Equipment Item(const QString& internalName, const QString& displayName, qint16 costPoints, float weight = 0);
