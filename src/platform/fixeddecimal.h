#pragma once

#include <QString>
#include <QtGlobal>
#include <compare>

// Kilograms with four decimal places, held as a 64-bit count of ten-thousandths: sums, differences and
// comparisons are exact. Arithmetic saturates at the ends of the range instead of wrapping.
class FixedDecimal {
public:
    constexpr FixedDecimal() = default;

    static constexpr FixedDecimal FromTenThousandths(qint64 units) { return FixedDecimal(units); }
    static constexpr FixedDecimal FromWhole(qint64 whole) { return FixedDecimal(whole * 10000); }

    // The nearest ten-thousandth of value; a value exactly halfway goes to the even neighbour. Values
    // beyond the range give its end; NaN gives 0.
    static FixedDecimal FromDouble(double value);

    // True when value, rounded to ten-thousandths, lies inside the range.
    static bool Fits(double value);

    constexpr qint64 TenThousandths() const { return Units; }
    double ToDouble() const { return static_cast<double>(Units) / 10000.0; }

    // Shortest decimal text: no trailing zeros, no separator for a whole number, "0" before the separator
    // below 1, and decimalPoint as the separator (3.92, 12, 0.5, -7.25).
    QString ToText(QChar decimalPoint) const;

    friend FixedDecimal operator+(FixedDecimal a, FixedDecimal b);
    friend FixedDecimal operator-(FixedDecimal a, FixedDecimal b);
    FixedDecimal& operator+=(FixedDecimal other) { return *this = *this + other; }
    FixedDecimal& operator-=(FixedDecimal other) { return *this = *this - other; }
    friend constexpr auto operator<=>(FixedDecimal, FixedDecimal) = default;
    friend constexpr bool operator==(FixedDecimal, FixedDecimal) = default;

private:
    constexpr explicit FixedDecimal(qint64 units)
        : Units(units)
    {
    }
    qint64 Units = 0;
};
