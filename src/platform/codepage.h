#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Every file the editor reads or writes is single-byte text: the system's ANSI code page on Windows,
// Windows-1252 elsewhere. Text is converted here, once, at the file boundary.

QString DecodeFileText(QByteArrayView bytes);

// Characters that the code page cannot hold are written as "?".
QByteArray EncodeFileText(QStringView text);

// The Windows-1252 conversions themselves, used off Windows and by tests everywhere.
QString DecodeWindows1252(QByteArrayView bytes);
QByteArray EncodeWindows1252(QStringView text);
