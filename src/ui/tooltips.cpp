#include "ui/tooltips.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QStringList>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

namespace {

constexpr int LineCharacters = 60;

QString WrappedLine(const QString& text, const QFontMetrics& metrics, int widest)
{
    const QStringList words = text.split(u' ');
    QString wrapped = words.first();
    QString line = wrapped;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString& word = words.at(i);
        const QString longer = line + u' ' + word;
        // A blank before another blank or at the end stays a blank, as does the one after a leading blank.
        const bool breaks = !word.isEmpty() && !line.isEmpty() && metrics.horizontalAdvance(longer) > widest;
        wrapped += (breaks ? u'\n' : u' ') + word;
        line = breaks ? word : longer;
    }
    return wrapped;
}

} // namespace

QString WrappedToolTip(const QString& text, const QFontMetrics& metrics)
{
    if (Qt::mightBeRichText(text))
        return text;
    // Each line of the text on its own.
    const int widest = LineCharacters * metrics.averageCharWidth();
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        if (metrics.horizontalAdvance(line) > widest)
            line = WrappedLine(line, metrics, widest);
    }
    return lines.join(u'\n');
}

bool ShowWrappedToolTip(QWidget* widget, QHelpEvent& help)
{
    const QString text = widget->toolTip();
    if (text.isEmpty())
        return false;
    QToolTip::showText(help.globalPos(), WrappedToolTip(text, QFontMetrics(QToolTip::font())), widget, {},
                       widget->toolTipDuration());
    help.accept(); // the widget's parents need not look for a tool tip of their own
    return true;
}
