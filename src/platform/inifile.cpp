#include "platform/inifile.h"

#include "platform/codepage.h"
#include "platform/text.h"
#include "platform/textlines.h"

#include <algorithm>

namespace {

constexpr qsizetype LongestValue = 254; // a buffer of 255 characters, terminator included

bool IsIniBlank(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x09 && u <= 0x0D) || u == 0x1A || u == 0x20;
}

QStringView TrimIniBlanks(QStringView text)
{
    return TrimmedBy(text, IsIniBlank);
}

// A NUL character ends a name or a value, as it ends the C string that holds it.
QStringView UpToNul(QStringView text)
{
    return text.left(text.indexOf(QChar(u'\0'))); // the whole text when it holds none
}

char16_t AsciiLower(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'A' && u <= u'Z' ? u - u'A' + u'a' : u;
}

bool SameAsciiCaseless(QStringView a, QStringView b)
{
    return std::ranges::equal(a, b, [](QChar x, QChar y) { return AsciiLower(x) == AsciiLower(y); });
}

QString ValueWithoutQuotes(QStringView value)
{
    if (value.size() > 1 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value.first(qMin(value.size(), LongestValue)).toString();
}

} // namespace

IniFile IniFile::Parse(QByteArrayView bytes)
{
    IniFile file;
    const QString text = DecodeFileText(bytes);
    Section* current = nullptr; // keys before the first section line belong to none
    for (QStringView rawLine : Lines(text)) {
        const QStringView line = TrimIniBlanks(rawLine);
        if (line.isEmpty())
            continue;
        if (line.front() == u'[') {
            const qsizetype close = line.sliced(1).lastIndexOf(u']');
            if (close >= 0) {
                const QStringView name = UpToNul(TrimIniBlanks(line.sliced(1, close)));
                file.Sections.append(Section{name.toString(), {}});
                current = &file.Sections.last();
                continue;
            }
            // "[name" without "]" is an ordinary key line of the section before.
        }
        if (!current)
            continue;
        const qsizetype equals = line.indexOf(u'=');
        Entry entry;
        if (equals < 0) {
            entry.Name = UpToNul(line).toString();
        } else {
            entry.Name = UpToNul(TrimIniBlanks(line.first(equals))).toString();
            entry.Value = UpToNul(TrimIniBlanks(line.sliced(equals + 1))).toString();
            entry.HasValue = true;
        }
        current->Entries.append(entry);
    }
    return file;
}

QString IniFile::Value(const QString& section, const QString& key, const QString& fallback) const
{
    const QStringView wantedSection = UpToNul(TrimIniBlanks(section));
    const QStringView wantedKey = UpToNul(TrimIniBlanks(key));
    for (const Section& candidate : Sections) {
        if (!SameAsciiCaseless(candidate.Name, wantedSection))
            continue;
        // Only the first section of a name is searched, and the first key of a name counts.
        for (const Entry& entry : candidate.Entries) {
            if (SameAsciiCaseless(entry.Name, wantedKey))
                return entry.HasValue ? ValueWithoutQuotes(entry.Value) : fallback;
        }
        return fallback;
    }
    return fallback;
}
