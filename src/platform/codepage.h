#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Every file the editor reads or writes is single-byte text: the system's ANSI code page on Windows,
// Windows-1252 elsewhere. Text is converted here, once, at the file boundary.

// A file that starts with the UTF-8 byte-order mark, as spreadsheets and editors write it, is read as
// UTF-8 without the mark; any other as text in the file code page.
QString DecodeFileText(QByteArrayView bytes);

// Characters that the code page cannot hold are written as "?", on every system the same way: never by
// a look-alike ("best fit") character.
QByteArray EncodeFileText(QStringView text);

// The characters of text that EncodeFileText cannot write, each once, in the order they first stand.
QString CharactersOutsideFileCodePage(QStringView text);

// The Windows-1252 conversions themselves, used off Windows and by tests everywhere.
QString DecodeWindows1252(QByteArrayView bytes);
QByteArray EncodeWindows1252(QStringView text);
