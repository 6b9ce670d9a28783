#pragma once

#include <QByteArrayView>
#include <QList>
#include <QStringView>

namespace TextLines {

template <typename View, typename OnLine> void ForEachLineOf(View text, OnLine& onLine)
{
    const auto* data = text.data();
    const qsizetype size = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < size) {
        const auto c = data[i];
        if (c == u'\r' || c == u'\n') {
            onLine(View(data + start, i - start));
            i += (c == u'\r' && i + 1 < size && data[i + 1] == u'\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < size)
        onLine(View(data + start, size - start));
}

} // namespace TextLines

// Splits text into lines: a line ends at CR LF, at a lone CR or at a lone LF; the terminator is not part
// of the line, and a last line without a terminator counts too (an empty text has no lines).
// onLine(QStringView line) is called for each line in order; the views point into text.
template <typename OnLine> void ForEachLine(QStringView text, OnLine&& onLine)
{
    TextLines::ForEachLineOf(text, onLine);
}

// The same for bytes: onLine(QByteArrayView line).
template <typename OnLine> void ForEachLine(QByteArrayView bytes, OnLine&& onLine)
{
    TextLines::ForEachLineOf(bytes, onLine);
}

// The lines of text as ForEachLine finds them.
inline QList<QStringView> Lines(QStringView text)
{
    QList<QStringView> lines;
    ForEachLine(text, [&lines](QStringView line) { lines.append(line); });
    return lines;
}
