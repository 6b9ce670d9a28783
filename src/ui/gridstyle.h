#pragma once

#include <QProxyStyle>

// The catalogue grid's narrow columns (40 pixels for points and weight) hold their headings only with
// the slim cell margins of a classic Windows grid: one pixel on each side instead of the style's usual three.
class SlimCellStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};
