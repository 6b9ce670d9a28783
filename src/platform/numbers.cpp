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

// Plain arithmetic gives a decimal text its correctly rounded value when it has at most 15 digits: they
// make a whole number below 2^53 and the power of ten is at most 1e15, both exact doubles, so their
// quotient is rounded once. That is the value QString::toDouble gives, -0 included; the compiler must not
// keep intermediate results in wider precision for it to hold.
constexpr int MostExactDigits = 15;
constexpr std::array<double, MostExactDigits + 1> PowersOfTen = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

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
    if (value >= -32768 && value <= 32767 && value == static_cast<double>(static_cast<int>(value)))
        return static_cast<qint16>(value); // whole already
    if (std::isnan(value))
        return std::nullopt;
    const double rounded = RoundHalfEven(value);
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

std::optional<double> ParseDecimal(QStringView text)
{
    const bool hasBlanks = !text.isEmpty() && (text.front().isSpace() || text.back().isSpace());
    const QStringView trimmed = hasBlanks ? text.trimmed() : text;
    const qsizetype n = trimmed.size();
    qsizetype i = 0;
    const bool negative = n > 0 && trimmed[0] == u'-';
    if (n > 0 && (negative || trimmed[0] == u'+'))
        ++i;
    // The digits before and after the point, gathered as one whole number (it wraps harmlessly when long:
    // it is used only for short texts).
    std::uint64_t whole = 0;
    qsizetype digits = 0;
    for (; i < n && IsDigit(trimmed[i]); ++i, ++digits)
        whole = whole * 10 + (trimmed[i].unicode() - u'0');
    qsizetype fractionDigits = 0;
    if (i < n && trimmed[i] == u'.') {
        for (++i; i < n && IsDigit(trimmed[i]); ++i, ++fractionDigits)
            whole = whole * 10 + (trimmed[i].unicode() - u'0');
    }
    digits += fractionDigits;
    if (digits == 0 || i != n)
        return std::nullopt;
    if (digits <= MostExactDigits && FLT_EVAL_METHOD == 0) {
        const double magnitude = double(whole) / PowersOfTen[static_cast<std::size_t>(fractionDigits)];
        return negative ? -magnitude : magnitude;
    }
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
