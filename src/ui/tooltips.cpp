#include "ui/tooltips.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QStringList>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

namespace {

constexpr int LineCharacters = 60;

} // namespace

QString WrappedToolTip(const QString& text, const QFontMetrics& metrics)
{
    const int widest = LineCharacters * metrics.averageCharWidth();
    if (Qt::mightBeRichText(text) || metrics.horizontalAdvance(text) <= widest)
        return text;
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
