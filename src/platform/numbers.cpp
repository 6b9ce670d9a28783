#include "platform/numbers.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

bool IsSkippedBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int HexDigitValue(QChar c)
{
    if (IsDigit(c))
        return c.unicode() - u'0';
    const char16_t lower = c.toLower().unicode();
    if (lower >= u'a' && lower <= u'f')
        return lower - u'a' + 10;
    return -1;
}

// Whole numbers written with "&H" or "&O": up to four hex digits (or an octal value up to 0xFFFF) are a
// 16-bit integer, up to eight (0xFFFFFFFF) a 32-bit one, so &HFFFF is -1 as it was in the old runtime.
double RadixValue(const QString& digits, int radix)
{
    double value = 0;
    int count = 0;
    for (QChar c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
        ++count;
    }
    const bool fitsSixteenBits = radix == 16 ? count <= 4 : value <= 0xFFFF;
    const bool fitsThirtyTwoBits = radix == 16 ? count <= 8 : value <= 4294967295.0;
    if (fitsSixteenBits)
        return value >= 32768 ? value - 65536 : value;
    if (fitsThirtyTwoBits)
        return value >= 2147483648.0 ? value - 4294967296.0 : value;
    return value;
}

// The value of a text that ParseDecimal has checked (a sign, digits, a "." and digits) when plain
// arithmetic gives it exactly: its digits read as one whole number up to 2^53, and at most 22 of them after
// the point. That number and the power of ten are then exact doubles and their quotient is rounded once, so
// it is the correctly rounded value of the text, the one that QString::toDouble gives, -0 included. Nothing
// for other texts, nor where the compiler may keep intermediate results in wider precision.
std::optional<double> ExactDecimal(QStringView text)
{
    constexpr std::uint64_t largestExactWhole = std::uint64_t(1) << 53;
    constexpr int mostFractionDigits = 22;
    constexpr std::array<double, mostFractionDigits + 1> powersOfTen = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (FLT_EVAL_METHOD != 0)
        return std::nullopt;
    const bool negative = text.startsWith(u'-');
    qsizetype i = negative || text.startsWith(u'+') ? 1 : 0;
    std::uint64_t whole = 0;
    int fractionDigits = -1; // until the point
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'.') {
            fractionDigits = 0;
            continue;
        }
        whole = whole * 10 + (c - u'0');
        if (whole > largestExactWhole || (fractionDigits >= 0 && ++fractionDigits > mostFractionDigits))
            return std::nullopt;
    }
    const double magnitude =
        double(whole) / powersOfTen[static_cast<std::size_t>(std::max(fractionDigits, 0))];
    return negative ? -magnitude : magnitude;
}

} // namespace

double NumericValue(QStringView text)
{
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text) {
        if (!IsSkippedBlank(c))
            compact.append(c);
    }

    if (compact.size() >= 2 && compact.at(0) == u'&') {
        const QChar kind = compact.at(1).toUpper();
        if (kind == u'H')
            return RadixValue(compact.mid(2), 16);
        if (kind == u'O')
            return RadixValue(compact.mid(2), 8);
        return 0;
    }

    // Collect the longest leading decimal number into a canonical form that the C-locale parser reads.
    qsizetype i = 0;
    const qsizetype n = compact.size();
    QString number;
    if (i < n && (compact.at(i) == u'+' || compact.at(i) == u'-'))
        number.append(compact.at(i++));
    QString integerDigits;
    while (i < n && IsDigit(compact.at(i)))
        integerDigits.append(compact.at(i++));
    QString fractionDigits;
    if (i < n && compact.at(i) == u'.') {
        ++i;
        while (i < n && IsDigit(compact.at(i)))
            fractionDigits.append(compact.at(i++));
    }
    if (integerDigits.isEmpty() && fractionDigits.isEmpty())
        return 0;
    number += integerDigits.isEmpty() ? QStringLiteral("0") : integerDigits;
    if (!fractionDigits.isEmpty())
        number += u'.' + fractionDigits;
    if (i < n && compact.at(i).toUpper() == u'E') {
        qsizetype j = i + 1;
        QString exponent;
        if (j < n && (compact.at(j) == u'+' || compact.at(j) == u'-'))
            exponent.append(compact.at(j++));
        QString exponentDigits;
        while (j < n && IsDigit(compact.at(j)))
            exponentDigits.append(compact.at(j++));
        if (!exponentDigits.isEmpty())
            number += u'e' + exponent + exponentDigits;
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok) {
        // Only an exponent beyond the range of a double gets here: infinity or zero, as the sign says.
        const bool negativeExponent = number.contains(QStringLiteral("e-"));
        if (negativeExponent)
            return 0;
        return number.startsWith(u'-') ? -std::numeric_limits<double>::infinity()
                                       : std::numeric_limits<double>::infinity();
    }
    return value;
}

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    const double fraction = value - below; // exact for every double
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::optional<qint16> ToInt16(double value)
{
    if (std::isnan(value))
        return std::nullopt;
    const double rounded = RoundHalfEven(value);
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

std::optional<double> ParseDecimal(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = trimmed.size();
    if (i < n && (trimmed.at(i) == u'+' || trimmed.at(i) == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && IsDigit(trimmed.at(i))) {
        ++i;
        ++digits;
    }
    if (i < n && trimmed.at(i) == u'.') {
        ++i;
        while (i < n && IsDigit(trimmed.at(i))) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0 || i != n)
        return std::nullopt;
    if (const std::optional<double> exact = ExactDecimal(trimmed))
        return exact;
    QString canonical = trimmed.toString();
    if (canonical.endsWith(u'.'))
        canonical.chop(1);
    bool ok = false;
    const double value = canonical.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString FormatSingle(float value)
{
    return QString::number(static_cast<double>(value), 'G', 7);
}
