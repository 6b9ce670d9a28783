#include "platform/fixeddecimal.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 Largest = std::numeric_limits<qint64>::max();
constexpr qint64 Smallest = std::numeric_limits<qint64>::min();
// Sums and differences are taken in 128 bits, where they cannot overflow, and then held to the range.
__extension__ typedef __int128 Wide;

qint64 Saturated(Wide units)
{
    return static_cast<qint64>(std::clamp<Wide>(units, Smallest, Largest));
}

// 2^63 as a double: every double below it in magnitude converts to qint64 without overflow.
constexpr double TwoToThe63 = 9223372036854775808.0;

// value * 10000 rounded to a whole number, ties to even, computed from the exact product: hi is the
// rounded product and lo its exact error, so hi + lo is value * 10000 without any rounding.
double ScaledAndRounded(double value)
{
    const double hi = value * 10000.0;
    const double lo = std::fma(value, 10000.0, -hi);
    double whole = std::floor(hi);
    const double fraction = hi - whole; // exact
    const bool tie = fraction == 0.5 && lo == 0;
    if (fraction > 0.5 || (fraction == 0.5 && lo > 0) || (tie && std::fmod(whole, 2.0) != 0))
        whole += 1;
    return whole;
}

} // namespace

FixedDecimal FixedDecimal::FromDouble(double value)
{
    if (std::isnan(value))
        return FixedDecimal();
    const double scaled = ScaledAndRounded(value);
    if (scaled >= TwoToThe63)
        return FixedDecimal(Largest);
    return FixedDecimal(static_cast<qint64>(std::max(scaled, -TwoToThe63)));
}

bool FixedDecimal::Fits(double value)
{
    if (!std::isfinite(value))
        return false;
    const double scaled = ScaledAndRounded(value);
    return scaled < TwoToThe63 && scaled >= -TwoToThe63;
}

QString FixedDecimal::ToText(QChar decimalPoint) const
{
    // Work on the magnitude as unsigned so that the smallest value has a magnitude too.
    const bool negative = Units < 0;
    const quint64 magnitude =
        negative ? quint64(0) - static_cast<quint64>(Units) : static_cast<quint64>(Units);
    QString text = QString::number(magnitude / 10000);
    quint64 fraction = magnitude % 10000;
    if (fraction != 0) {
        QString digits = QString::number(fraction).rightJustified(4, u'0');
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += decimalPoint + digits;
    }
    return negative ? u'-' + text : text;
}

FixedDecimal operator+(FixedDecimal a, FixedDecimal b)
{
    return FixedDecimal(Saturated(Wide(a.Units) + b.Units));
}

FixedDecimal operator-(FixedDecimal a, FixedDecimal b)
{
    return FixedDecimal(Saturated(Wide(a.Units) - b.Units));
}
