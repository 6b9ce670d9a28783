#include "checker/report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr char16_t Replacement = u'\uFFFD';

QString Counted(qsizetype count, const char* one, const char* many)
{
    return QString::number(count) + u' ' + QLatin1StringView(count == 1 ? one : many);
}

bool Fails(const Finding& finding, bool warningsAsErrors)
{
    return finding.What() == Severity::Error || (warningsAsErrors && finding.What() == Severity::Warning);
}

// "sound", "2 warnings", "1 error, 2 warnings, 1 note", "sound, 1 note"
QString Status(const ClassJudgement& judgement)
{
    qsizetype counts[3] = {0, 0, 0};
    for (const Finding& finding : judgement.Findings)
        ++counts[int(finding.What())];
    QStringList parts;
    if (counts[0] > 0)
        parts.append(Counted(counts[0], "error", "errors"));
    if (counts[1] > 0)
        parts.append(Counted(counts[1], "warning", "warnings"));
    if (parts.isEmpty())
        parts.append(QStringLiteral("sound"));
    if (counts[2] > 0)
        parts.append(Counted(counts[2], "note", "notes"));
    return parts.join(QStringLiteral(", "));
}

QString StatusWord(const ClassJudgement& judgement)
{
    return judgement.Has(Severity::Error)     ? QStringLiteral("errors")
           : judgement.Has(Severity::Warning) ? QStringLiteral("warnings")
                                              : QStringLiteral("sound");
}

bool NeedsEscape(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || QChar::isSurrogate(c);
}

// Text valid as UTF-16: lone surrogates replaced.
QString WellFormed(const QString& text)
{
    if (!std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSurrogate(); }))
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            result += c;
            result += text.at(++i);
        } else {
            result += c.isSurrogate() ? QChar(Replacement) : c;
        }
    }
    return result;
}

// The ANSI colours of gcc's diagnostics.
struct Colours {
    bool On;
    QString Bold(const QString& text) const
    {
        return On ? QStringLiteral("\x1b[1m") + text + QStringLiteral("\x1b[m") : text;
    }
    QString Of(Severity severity, const QString& text) const
    {
        if (!On)
            return text;
        const QString code = severity == Severity::Error     ? QStringLiteral("\x1b[1;31m")
                             : severity == Severity::Warning ? QStringLiteral("\x1b[1;35m")
                                                             : QStringLiteral("\x1b[1;36m");
        return code + text + QStringLiteral("\x1b[m");
    }
};

QString FindingLine(const QString& path, const Finding& finding, const Colours& colours)
{
    QString location = ShownText(path);
    if (finding.Line > 0)
        location += u':' + QString::number(finding.Line);
    return colours.Bold(location + u':') + u' ' +
           colours.Of(finding.What(), SeverityName(finding.What()) + u':') + u' ' + ShownText(finding.Text) +
           u' ' + colours.Of(finding.What(), u'[' + RuleName(finding.Kind) + u']') + u'\n';
}

QString SummaryLine(const ClassJudgement& judgement)
{
    QStringList fields{judgement.ClassName, Status(judgement)};
    if (const std::optional<ClassSummary>& summary = judgement.Summary) {
        fields << Counted(summary->PointsLeft, "point left", "points left") << summary->WeightText
               << summary->MovementText;
        if (!summary->SpecialText.isEmpty())
            fields.append(
                QString(summary->SpecialText).replace(QStringLiteral("\r\n"), QStringLiteral(" / ")));
    } else {
        fields.append(QStringLiteral("not read"));
    }
    return ShownText(judgement.Path) + QStringLiteral(": ") + ShownText(fields.join(QStringLiteral(" | "))) +
           u'\n';
}

// "3 classes: 2 sound, 0 with warnings, 1 with errors; 1 path not checked; ..."
QString TotalLine(const CheckRun& run)
{
    const CheckTotals totals = TotalsOf(run);
    QString line = Counted(totals.Classes, "class", "classes") +
                   QStringLiteral(": %1 sound, %2 with warnings, %3 with errors")
                       .arg(totals.Sound)
                       .arg(totals.WithWarnings)
                       .arg(totals.WithErrors);
    if (totals.PathsNotChecked > 0)
        line += QStringLiteral("; ") + Counted(totals.PathsNotChecked, "path", "paths") +
                QStringLiteral(" not checked");
    if (run.InSubfoldersPassedOver > 0) {
        line += QStringLiteral("; ") +
                Counted(run.InSubfoldersPassedOver, "class file in subfolders", "class files in subfolders") +
                QStringLiteral(" passed over (--no-recursive)");
    }
    if (run.HiddenPassedOver > 0) {
        line += QStringLiteral("; ") +
                Counted(run.HiddenPassedOver, "hidden class file", "hidden class files") +
                QStringLiteral(" passed over, which the class list leaves out");
    }
    return line + u'\n';
}

QJsonValue JsonLine(qsizetype line)
{
    return line > 0 ? QJsonValue(line) : QJsonValue();
}

QJsonArray JsonTexts(const QStringList& texts)
{
    QJsonArray array;
    for (const QString& text : texts)
        array.append(WellFormed(text));
    return array;
}

} // namespace

CheckTotals TotalsOf(const CheckRun& run)
{
    CheckTotals totals;
    for (const ClassJudgement& judgement : run.Judgements) {
        if (!judgement.Checked) {
            ++totals.PathsNotChecked;
            continue;
        }
        ++totals.Classes;
        if (judgement.Has(Severity::Error))
            ++totals.WithErrors;
        else if (judgement.Has(Severity::Warning))
            ++totals.WithWarnings;
        else
            ++totals.Sound;
    }
    return totals;
}

int ExitStatusOf(const CheckRun& run)
{
    const CheckTotals totals = TotalsOf(run);
    if (!run.Errors.isEmpty() || totals.PathsNotChecked > 0)
        return 2;
    return totals.WithErrors > 0 || (run.WarningsAsErrors && totals.WithWarnings > 0) ? 1 : 0;
}

QString TextReport(const CheckRun& run, TextStyle style)
{
    const Colours colours{style.Colour};
    QString report;
    for (const ClassJudgement& judgement : run.Judgements) {
        for (const Finding& finding : judgement.Findings) {
            if (!style.Quiet || Fails(finding, run.WarningsAsErrors))
                report += FindingLine(judgement.Path, finding, colours);
        }
    }
    if (style.Quiet || !run.Errors.isEmpty())
        return report;
    for (const ClassJudgement& judgement : run.Judgements) {
        if (judgement.Checked)
            report += SummaryLine(judgement);
    }
    return report + TotalLine(run);
}

QString MessageLines(const CheckRun& run, TextStyle style)
{
    const Colours colours{style.Colour};
    const QString program = colours.Bold(QStringLiteral("rostermaker-check:")) + u' ';
    QString lines;
    if (!style.Quiet) {
        for (const QString& note : run.Notes)
            lines += program + colours.Of(Severity::Note, QStringLiteral("note:")) + u' ' + ShownText(note) +
                     u'\n';
    }
    for (const QString& error : run.Errors)
        lines +=
            program + colours.Of(Severity::Error, QStringLiteral("error:")) + u' ' + ShownText(error) + u'\n';
    return lines;
}

QByteArray JsonReport(const CheckRun& run)
{
    QJsonArray classes;
    QJsonArray paths;
    for (const ClassJudgement& judgement : run.Judgements) {
        QJsonArray findings;
        for (const Finding& finding : judgement.Findings) {
            findings.append(QJsonObject{{QStringLiteral("line"), JsonLine(finding.Line)},
                                        {QStringLiteral("severity"), SeverityName(finding.What())},
                                        {QStringLiteral("rule"), RuleName(finding.Kind)},
                                        {QStringLiteral("text"), WellFormed(finding.Text)}});
        }
        if (!judgement.Checked) {
            for (const QJsonValue& finding : findings) {
                QJsonObject path = finding.toObject();
                path.remove(QStringLiteral("line"));
                path.insert(QStringLiteral("path"), WellFormed(judgement.Path));
                paths.append(path);
            }
            continue;
        }
        const std::optional<ClassSummary>& summary = judgement.Summary;
        const auto value = [&summary](auto field) {
            return summary ? QJsonValue(field(*summary)) : QJsonValue();
        };
        classes.append(QJsonObject{
            {QStringLiteral("path"), WellFormed(judgement.Path)},
            {QStringLiteral("className"), WellFormed(judgement.ClassName)},
            {QStringLiteral("status"), StatusWord(judgement)},
            {QStringLiteral("pointsLeft"), value([](const ClassSummary& s) { return s.PointsLeft; })},
            {QStringLiteral("weight"), value([](const ClassSummary& s) { return s.Weight.ToDouble(); })},
            {QStringLiteral("weightText"), value([](const ClassSummary& s) { return s.WeightText; })},
            {QStringLiteral("movement"), value([](const ClassSummary& s) { return s.MovementText; })},
            {QStringLiteral("special"), value([](const ClassSummary& s) {
                 return QString(s.SpecialText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
             })},
            {QStringLiteral("findings"), findings}});
    }
    const CheckTotals totals = TotalsOf(run);
    const QJsonObject document{
        {QStringLiteral("classes"), classes},
        {QStringLiteral("paths"), paths},
        {QStringLiteral("notes"), JsonTexts(run.Notes)},
        {QStringLiteral("errors"), JsonTexts(run.Errors)},
        {QStringLiteral("totals"),
         QJsonObject{{QStringLiteral("classes"), totals.Classes},
                     {QStringLiteral("sound"), totals.Sound},
                     {QStringLiteral("withWarnings"), totals.WithWarnings},
                     {QStringLiteral("withErrors"), totals.WithErrors},
                     {QStringLiteral("pathsNotChecked"), totals.PathsNotChecked},
                     {QStringLiteral("hiddenPassedOver"), run.HiddenPassedOver},
                     {QStringLiteral("inSubfoldersPassedOver"), run.InSubfoldersPassedOver}}},
        {QStringLiteral("exitStatus"), ExitStatusOf(run)}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

QString ShownText(QStringView text)
{
    if (!std::any_of(text.cbegin(), text.cend(), [](QChar c) { return NeedsEscape(c.unicode()); }))
        return text.toString();
    QString shown;
    shown.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            shown += QChar(c);
            shown += text.at(++i);
        } else if (QChar::isSurrogate(c)) {
            shown += QChar(Replacement);
        } else if (NeedsEscape(c)) {
            shown += c < 0x100 ? QStringLiteral("\\x%1").arg(int(c), 2, 16, QLatin1Char('0'))
                               : QStringLiteral("\\u%1").arg(int(c), 4, 16, QLatin1Char('0'));
        } else {
            shown += QChar(c);
        }
    }
    return shown;
}
