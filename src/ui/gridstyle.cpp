#include "ui/gridstyle.h"

int SlimCellStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_FocusFrameHMargin)
        return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
}
