#include "checker/findings.h"

#include <array>

namespace {

struct RuleInfo {
    Rule Kind;
    const char16_t* Name;
    Severity What;
};

// In the order of Rule.
constexpr std::array<RuleInfo, RuleCount> Rules = {{
    {Rule::OverBudget, u"over-budget", Severity::Error},
    {Rule::OverLimit, u"over-limit", Severity::Error},
    {Rule::SkillMissing, u"skill-missing", Severity::Error},
    {Rule::UnknownItem, u"unknown-item", Severity::Error},
    {Rule::BadClassName, u"bad-class-name", Severity::Error},
    {Rule::TooLarge, u"too-large", Severity::Error},
    {Rule::UnknownLine, u"unknown-line", Severity::Warning},
    {Rule::UnknownProficiency, u"unknown-proficiency", Severity::Warning},
    {Rule::OtherLevel, u"other-level", Severity::Warning},
    {Rule::IncompleteSkinLine, u"incomplete-skin-line", Severity::Warning},
    {Rule::OtherClassName, u"other-class-name", Severity::Warning},
    {Rule::NeverLoaded, u"never-loaded", Severity::Warning},
    {Rule::CaseConflict, u"case-conflict", Severity::Warning},
    {Rule::NoSuchModel, u"no-such-model", Severity::Warning},
    {Rule::NoSuchSkin, u"no-such-skin", Severity::Warning},
    {Rule::UnwritableText, u"unwritable-text", Severity::Warning},
    {Rule::Utf8WithoutBom, u"utf8-without-bom", Severity::Warning},
    {Rule::DiffersFromEditor, u"differs-from-editor", Severity::Warning},
    {Rule::Encoding, u"encoding", Severity::Note},
    {Rule::NoSuchFile, u"no-such-file", Severity::Error},
    {Rule::Unreadable, u"unreadable", Severity::Error},
    {Rule::NotAClassFile, u"not-a-class-file", Severity::Error},
    {Rule::NoClassFiles, u"no-class-files", Severity::Error},
}};

const RuleInfo& InfoOf(Rule rule)
{
    return Rules[std::size_t(rule)];
}

} // namespace

QString RuleName(Rule rule)
{
    return QString::fromUtf16(InfoOf(rule).Name);
}

std::optional<Rule> RuleNamed(QStringView name)
{
    for (const RuleInfo& info : Rules) {
        if (name == QStringView(info.Name))
            return info.Kind;
    }
    return std::nullopt;
}

Severity SeverityOf(Rule rule)
{
    return InfoOf(rule).What;
}

QString SeverityName(Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return QStringLiteral("error");
    case Severity::Warning:
        return QStringLiteral("warning");
    case Severity::Note:
        break;
    }
    return QStringLiteral("note");
}

bool IsPathRule(Rule rule)
{
    return rule >= Rule::NoSuchFile;
}

QString SystemWords(QString reason)
{
    reason = reason.trimmed();
    if (reason.endsWith(u'.'))
        reason.chop(1);
    return reason;
}

QString ConsoleWords(QString message)
{
    if (message.startsWith(QStringLiteral("Error : ")))
        message.remove(0, 8);
    const QString closing = QStringLiteral("\r\n\r\nThe Application will not run without this file.");
    if (message.endsWith(closing))
        message.chop(closing.size());
    message.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    // "As the ..." and "Point ..." start a sentence; "CON" and "/srv/x" do not.
    if (message.size() > 1 && message.at(0).isUpper() && message.at(1).isLower())
        message[0] = message.at(0).toLower();
    if (message.endsWith(u'.'))
        message.chop(1);
    return message;
}
