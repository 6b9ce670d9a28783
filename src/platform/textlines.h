#pragma once

#include <QList>
#include <QStringView>

// Splits text into lines: a line ends at CR LF, at a lone CR or at a lone LF; the terminator is not part
// of the line, and a last line without a terminator counts too (an empty text has no lines).
// onLine(QStringView line) is called for each line in order; the views point into text.
template <typename OnLine> void ForEachLine(QStringView text, OnLine&& onLine)
{
    const QChar* data = text.data();
    const qsizetype size = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < size) {
        const char16_t c = data[i].unicode();
        if (c == u'\r' || c == u'\n') {
            onLine(QStringView(data + start, i - start));
            i += (c == u'\r' && i + 1 < size && data[i + 1] == u'\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < size)
        onLine(QStringView(data + start, size - start));
}

// The lines of text as ForEachLine finds them.
inline QList<QStringView> Lines(QStringView text)
{
    QList<QStringView> lines;
    ForEachLine(text, [&lines](QStringView line) { lines.append(line); });
    return lines;
}
