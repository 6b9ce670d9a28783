#include "ui/valuelabel.h"

int FittedLabelWidth(const QLabel& label, int givenWidth, int widestWidth)
{
    const int needed = label.fontMetrics().horizontalAdvance(label.text()) + 2 * label.margin() + 2;
    return qMin(qMax(givenWidth, needed), widestWidth);
}

ValueLabel::ValueLabel(const QString& caption, QWidget* parent)
    : QLabel(parent)
    , Caption(caption)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop); // level with the captions beside them
    setAccessibleName(Caption);
}

void ValueLabel::SetWidestWidth(int widestWidth)
{
    GivenWidth = width();
    WidestWidth = widestWidth;
    Fit();
}

void ValueLabel::ShowValue(const QString& text)
{
    setText(text);
    Fit();
    QString name = Caption;
    if (!text.isEmpty())
        name += u' ' + QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    if (accessibleName() != name)
        setAccessibleName(name); // screen readers hear of the change
}

void ValueLabel::Fit()
{
    if (!wordWrap() && WidestWidth > 0)
        resize(FittedLabelWidth(*this, GivenWidth, WidestWidth), height());
}
