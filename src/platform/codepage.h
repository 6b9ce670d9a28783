#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Every file the editor reads or writes is single-byte text: the system's ANSI code page on Windows,
// Windows-1252 elsewhere. Text is converted here, once, at the file boundary.

// How a file's text is written: in the file code page, or, after a byte-order mark, in UTF-8 (spreadsheets'
// "CSV UTF-8") or UTF-16 (Notepad's "Unicode", PowerShell 5).
enum class FileEncoding { CodePage, Utf8, Utf16LittleEndian, Utf16BigEndian };

// The encoding that the file's byte-order mark names; the file code page without one.
FileEncoding EncodingOf(QByteArrayView bytes);

// The text of a file's bytes in the encoding that EncodingOf gives, without the mark.
QString DecodeFileText(QByteArrayView bytes);

// The bytes as text in the file code page, whatever mark they start with.
QString DecodeCodePage(QByteArrayView bytes);

// Characters that the code page cannot hold are written as "?", on every system the same way: never by
// a look-alike ("best fit") character.
QByteArray EncodeFileText(QStringView text);

// The characters of text that EncodeFileText cannot write, each once, in the order they first stand.
QString CharactersOutsideFileCodePage(QStringView text);

// The Windows-1252 conversions themselves, used off Windows and by tests everywhere.
QString DecodeWindows1252(QByteArrayView bytes);
QByteArray EncodeWindows1252(QStringView text);
