#include "checker/report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString OneLine(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
}

QString Counted(qsizetype count, const char* one, const char* many)
{
    return QString::number(count) + u' ' + QLatin1StringView(count == 1 ? one : many);
}

QString SeverityName(Finding::Severity severity)
{
    return severity == Finding::Severity::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

// "sound", "2 warnings", "1 error, 2 warnings"
QString Status(const ClassJudgement& judgement)
{
    const qsizetype errors =
        std::count_if(judgement.Findings.cbegin(), judgement.Findings.cend(),
                      [](const Finding& f) { return f.What == Finding::Severity::Error; });
    const qsizetype warnings = judgement.Findings.size() - errors;
    QStringList parts;
    if (errors > 0)
        parts.append(Counted(errors, "error", "errors"));
    if (warnings > 0)
        parts.append(Counted(warnings, "warning", "warnings"));
    return parts.isEmpty() ? QStringLiteral("sound") : parts.join(QStringLiteral(", "));
}

} // namespace

CheckTotals TotalsOf(const QList<ClassJudgement>& judgements)
{
    CheckTotals totals;
    totals.Classes = judgements.size();
    for (const ClassJudgement& judgement : judgements) {
        if (judgement.HasErrors())
            ++totals.WithErrors;
        else if (judgement.HasWarnings())
            ++totals.WithWarnings;
        else
            ++totals.Sound;
    }
    return totals;
}

QString FindingLines(const ClassJudgement& judgement)
{
    QString lines;
    for (const Finding& finding : judgement.Findings) {
        lines += judgement.Path;
        if (finding.Line > 0)
            lines += u':' + QString::number(finding.Line);
        lines += QStringLiteral(": ") + SeverityName(finding.What) + QStringLiteral(": ") +
                 OneLine(finding.Text) + u'\n';
    }
    return lines;
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
    return judgement.Path + QStringLiteral(": ") + fields.join(QStringLiteral(" | "));
}

QString TotalLine(const CheckTotals& totals)
{
    return Counted(totals.Classes, "class", "classes") +
           QStringLiteral(": %1 sound, %2 with warnings, %3 with errors")
               .arg(totals.Sound)
               .arg(totals.WithWarnings)
               .arg(totals.WithErrors);
}

QString TextReport(const QList<ClassJudgement>& judgements, bool quiet)
{
    QString report;
    for (const ClassJudgement& judgement : judgements)
        report += FindingLines(judgement);
    if (!quiet) {
        for (const ClassJudgement& judgement : judgements)
            report += SummaryLine(judgement) + u'\n';
    }
    return report + TotalLine(TotalsOf(judgements)) + u'\n';
}

QByteArray JsonReport(const QList<ClassJudgement>& judgements)
{
    QJsonArray classes;
    for (const ClassJudgement& judgement : judgements) {
        QJsonArray findings;
        for (const Finding& finding : judgement.Findings) {
            findings.append(QJsonObject{
                {QStringLiteral("severity"), SeverityName(finding.What)},
                {QStringLiteral("line"), finding.Line > 0 ? QJsonValue(finding.Line) : QJsonValue()},
                {QStringLiteral("text"), finding.Text}});
        }
        const std::optional<ClassSummary>& summary = judgement.Summary;
        const auto value = [&summary](auto field) {
            return summary ? QJsonValue(field(*summary)) : QJsonValue();
        };
        classes.append(QJsonObject{
            {QStringLiteral("path"), judgement.Path},
            {QStringLiteral("className"), judgement.ClassName},
            {QStringLiteral("status"), judgement.HasErrors()     ? QStringLiteral("errors")
                                       : judgement.HasWarnings() ? QStringLiteral("warnings")
                                                                 : QStringLiteral("sound")},
            {QStringLiteral("pointsLeft"), value([](const ClassSummary& s) { return s.PointsLeft; })},
            {QStringLiteral("weight"), value([](const ClassSummary& s) { return s.Weight.ToDouble(); })},
            {QStringLiteral("weightText"), value([](const ClassSummary& s) { return s.WeightText; })},
            {QStringLiteral("movement"), value([](const ClassSummary& s) { return s.MovementText; })},
            {QStringLiteral("special"), value([](const ClassSummary& s) {
                 return QString(s.SpecialText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
             })},
            {QStringLiteral("findings"), findings}});
    }
    const CheckTotals totals = TotalsOf(judgements);
    const QJsonObject document{
        {QStringLiteral("classes"), classes},
        {QStringLiteral("totals"), QJsonObject{{QStringLiteral("classes"), totals.Classes},
                                               {QStringLiteral("sound"), totals.Sound},
                                               {QStringLiteral("withWarnings"), totals.WithWarnings},
                                               {QStringLiteral("withErrors"), totals.WithErrors}}}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}
