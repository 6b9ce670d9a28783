#include "platform/textlines.h"

QStringList SplitLines(QStringView text)
{
    QStringList lines;
    ForEachLine(text, [&lines](QStringView line) { lines.append(line.toString()); });
    return lines;
}

QString JoinLinesCrLf(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}
