#include "checker/differences.h"

#include "platform/codepage.h"

#include <QStringList>

namespace {

struct TextLine {
    QStringView Text;
    QStringView End; // "\r\n", "\n", "\r", or empty for a last line without one
};

// The lines of a text as the class file reader ends them: at CR LF, a lone CR or a lone LF.
QList<TextLine> LinesOf(QStringView text)
{
    QList<TextLine> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        const qsizetype endSize = c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n' ? 2 : 1;
        lines.append({text.sliced(start, i - start), text.sliced(i, endSize)});
        i += endSize - 1;
        start = i + 1;
    }
    if (start < text.size())
        lines.append({text.sliced(start), {}});
    return lines;
}

QString Quoted(QStringView line)
{
    return u'"' + line.toString() + u'"';
}

// The empty lines at the end.
qsizetype EmptyLinesAtEnd(const QList<TextLine>& lines)
{
    qsizetype count = 0;
    while (count < lines.size() && lines[lines.size() - 1 - count].Text.isEmpty())
        ++count;
    return count;
}

QString EmptyLines(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 empty line") : QStringLiteral("%1 empty lines").arg(count);
}

// "UTF-16 LE with a byte-order mark, LF line ends": what the editor reads as intended; empty when the
// file is written as the editor writes it in these respects. emptyAtEnd: the empty lines at the end of
// the file and of the editor's.
QString FormDifferences(FileEncoding encoding, const QList<TextLine>& lines, qsizetype emptyAtEnd,
                        qsizetype editorsEmptyAtEnd)
{
    QStringList differences;
    switch (encoding) {
    case FileEncoding::CodePage:
        break;
    case FileEncoding::Utf8:
        differences.append(QStringLiteral("UTF-8 with a byte-order mark"));
        break;
    case FileEncoding::Utf16LittleEndian:
        differences.append(QStringLiteral("UTF-16 LE with a byte-order mark"));
        break;
    case FileEncoding::Utf16BigEndian:
        differences.append(QStringLiteral("UTF-16 BE with a byte-order mark"));
        break;
    }
    bool crLf = false, lf = false, cr = false;
    for (const TextLine& line : lines) {
        crLf = crLf || line.End == u"\r\n";
        lf = lf || line.End == u"\n";
        cr = cr || line.End == u"\r";
    }
    QStringList ends;
    if (crLf && (lf || cr))
        ends.append(QStringLiteral("CR LF"));
    if (lf)
        ends.append(QStringLiteral("LF"));
    if (cr)
        ends.append(QStringLiteral("CR"));
    if (ends.size() == 1)
        differences.append(ends.first() + QStringLiteral(" line ends"));
    else if (ends.size() > 1)
        differences.append(QStringLiteral("mixed line ends (%1)").arg(ends.join(QStringLiteral(", "))));
    if (!lines.isEmpty() && lines.last().End.isEmpty())
        differences.append(QStringLiteral("no line end after the last line"));
    if (emptyAtEnd == 0 && editorsEmptyAtEnd == 1)
        differences.append(QStringLiteral("no empty line at the end"));
    else if (emptyAtEnd < editorsEmptyAtEnd)
        differences.append(EmptyLines(editorsEmptyAtEnd - emptyAtEnd) + QStringLiteral(" fewer at the end"));
    else if (emptyAtEnd > editorsEmptyAtEnd)
        differences.append(EmptyLines(emptyAtEnd - editorsEmptyAtEnd) + QStringLiteral(" more at the end"));
    return differences.join(QStringLiteral(", "));
}

bool IsAscii(QByteArrayView bytes)
{
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80)
            return false;
    }
    return true;
}

// The first line whose text differs from the editor's.
std::optional<Finding> FirstDifferentLine(const QList<TextLine>& lines, const QList<TextLine>& expected)
{
    const qsizetype common = std::min(lines.size(), expected.size());
    qsizetype i = 0;
    while (i < common && lines[i].Text == expected[i].Text)
        ++i;
    if (i == lines.size() && i == expected.size())
        return std::nullopt;
    if (i == lines.size()) {
        if (lines.isEmpty()) {
            return Finding{Rule::DiffersFromEditor, 0,
                           QStringLiteral("the file is empty, where the editor writes %1 first")
                               .arg(Quoted(expected.first().Text))};
        }
        return Finding{Rule::DiffersFromEditor, i,
                       QStringLiteral("the file ends after this line, where the editor writes %1 next")
                           .arg(Quoted(expected[i].Text))};
    }
    if (i == expected.size()) {
        return Finding{Rule::DiffersFromEditor, i + 1,
                       QStringLiteral("the editor's file ends before this line")};
    }
    const QStringView line = lines[i].Text;
    qsizetype kept = line.size();
    while (kept > 0 && line.at(kept - 1) == u' ')
        --kept;
    if (kept < line.size() && line.first(kept) == expected[i].Text) {
        return Finding{Rule::DiffersFromEditor, i + 1,
                       QStringLiteral("the line ends in blanks, which the editor does not write")};
    }
    return Finding{Rule::DiffersFromEditor, i + 1,
                   QStringLiteral("the editor writes this line as %1, not %2")
                       .arg(Quoted(expected[i].Text), Quoted(line))};
}

} // namespace

QList<Finding> DifferenceFindings(QByteArrayView file, QByteArrayView written)
{
    if (file == written)
        return {};
    QList<Finding> findings;
    const QString text = DecodeFileText(file);
    const QString expectedText = DecodeFileText(written);
    QList<TextLine> lines = LinesOf(text);
    QList<TextLine> expected = LinesOf(expectedText);
    // Empty lines at the end, which the reader passes over like any empty line, count with the form.
    const qsizetype emptyAtEnd = EmptyLinesAtEnd(lines);
    const qsizetype editorsEmptyAtEnd = EmptyLinesAtEnd(expected);
    const QString form = FormDifferences(EncodingOf(file), lines, emptyAtEnd, editorsEmptyAtEnd);
    lines.resize(lines.size() - emptyAtEnd);
    expected.resize(expected.size() - editorsEmptyAtEnd);
    if (!form.isEmpty()) {
        findings.append(
            {Rule::Encoding, 0,
             form + QStringLiteral(": read as intended (the editor writes its code page with CR LF "
                                   "line ends)")});
    }
    if (std::optional<Finding> line = FirstDifferentLine(lines, expected))
        findings.append(*std::move(line));
    return findings;
}

std::optional<Finding> Utf8WithoutMarkFinding(QByteArrayView file)
{
    if (EncodingOf(file) != FileEncoding::CodePage || IsAscii(file) || !file.isValidUtf8())
        return std::nullopt;
    const QString codePageText = DecodeFileText(file);
    const QString utf8Text = QString::fromUtf8(file);
    const QList<TextLine> lines = LinesOf(codePageText);
    const QList<TextLine> utf8Lines = LinesOf(utf8Text);
    for (qsizetype i = 0; i < lines.size() && i < utf8Lines.size(); ++i) {
        if (lines[i].Text != utf8Lines[i].Text) {
            return Finding{
                Rule::Utf8WithoutBom, i + 1,
                QStringLiteral("UTF-8 without a byte-order mark, which the editor reads as its code "
                               "page: this line reads as %1, not %2")
                    .arg(Quoted(lines[i].Text), Quoted(utf8Lines[i].Text))};
        }
    }
    return std::nullopt;
}
