#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

// A reader of INI files that answers as the Windows private-profile reader (GetPrivateProfileString)
// does: section and key names matched without regard to ASCII case, blanks around names and values
// removed, one pair of enclosing quotes removed, at most 254 characters of a value, and "0" for a file,
// section or key that is absent. It is used on every platform, Windows included.
class IniFile {
public:
    // Parses the bytes of a file: UTF-16 or UTF-8 after a byte-order mark, else single-byte text in the
    // file code page (see DecodeFileText).
    static IniFile Parse(QByteArrayView bytes);

    // The value of key in section, or fallback when the section or the key is absent, or when the key
    // stands on a line without "=".
    QString Value(const QString& section, const QString& key,
                  const QString& fallback = QStringLiteral("0")) const;

private:
    struct Entry {
        QString Name;
        QString Value;
        bool HasValue = false;
    };
    struct Section {
        QString Name;
        QList<Entry> Entries;
    };
    QList<Section> Sections;
};
