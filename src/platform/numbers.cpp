#include "platform/numbers.h"

#include "platform/text.h"

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

// A function object, so that the searches that take it inline it.
constexpr auto IsDigit = [](QChar c) {
    return c >= u'0' && c <= u'9';
};

std::optional<int> HexDigitValue(QChar c)
{
    if (IsDigit(c))
        return c.unicode() - u'0';
    const char16_t lower = c.toLower().unicode();
    if (lower >= u'a' && lower <= u'f')
        return lower - u'a' + 10;
    return std::nullopt;
}

// Whole numbers written with "&H" or "&O": up to four hex digits (or an octal value up to 0xFFFF) are a
// 16-bit integer, up to eight (0xFFFFFFFF) a 32-bit one, so &HFFFF is -1 as it was in the old runtime.
double RadixValue(QStringView digits, int radix)
{
    double value = 0;
    int count = 0;
    for (QChar c : digits) {
        const std::optional<int> digit = HexDigitValue(c);
        if (!digit || *digit >= radix)
            break;
        value = value * radix + *digit;
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

// The leading characters of text that pass test, taken off text.
template <typename Test> QStringView TakeWhile(QStringView& text, Test test)
{
    const QStringView taken = text.first(std::find_if_not(text.begin(), text.end(), test) - text.begin());
    text = text.sliced(taken.size());
    return taken;
}

// A "+" or "-" at the start of text, taken off text; empty when text starts otherwise.
QStringView TakeSign(QStringView& text)
{
    if (!text.startsWith(u'+') && !text.startsWith(u'-'))
        return {};
    const QStringView sign = text.first(1);
    text = text.sliced(1);
    return sign;
}

// True, and c taken off text, when text starts with c.
bool Take(QStringView& text, QChar c)
{
    if (!text.startsWith(c))
        return false;
    text = text.sliced(1);
    return true;
}

// The value of a number in the form that the C-locale parser reads; nothing when it lies beyond the range
// of a double.
std::optional<double> CanonicalValue(const QString& number)
{
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// Plain arithmetic gives a decimal text its correctly rounded value when it has fewer digits than this
// table has powers of ten: they make a whole number below 2^53 and the power of ten is at most 1e15, both
// exact doubles, so their quotient is rounded once. That is the value QString::toDouble gives, -0
// included. It holds only where the compiler keeps no intermediate result in wider precision.
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must round every intermediate result to double");
constexpr std::array<double, 16> PowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

} // namespace

double NumericValue(QStringView text)
{
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text) {
        if (!IsSkippedBlank(c))
            compact.append(c);
    }
    QStringView rest = compact;

    if (Take(rest, u'&')) {
        if (Take(rest, u'H') || Take(rest, u'h'))
            return RadixValue(rest, 16);
        if (Take(rest, u'O') || Take(rest, u'o'))
            return RadixValue(rest, 8);
        return 0;
    }

    // The longest leading decimal number, in the canonical form that the C-locale parser reads.
    QString number = TakeSign(rest).toString();
    const QStringView integerDigits = TakeWhile(rest, IsDigit);
    const QStringView fractionDigits = Take(rest, u'.') ? TakeWhile(rest, IsDigit) : QStringView();
    if (integerDigits.isEmpty() && fractionDigits.isEmpty())
        return 0;
    number += integerDigits.isEmpty() ? QStringView(u"0") : integerDigits;
    if (!fractionDigits.isEmpty()) {
        number += u'.';
        number += fractionDigits;
    }
    if (Take(rest, u'E') || Take(rest, u'e')) {
        const QStringView exponentSign = TakeSign(rest);
        const QStringView exponentDigits = TakeWhile(rest, IsDigit);
        if (!exponentDigits.isEmpty()) {
            number += u'e';
            number += exponentSign;
            number += exponentDigits;
        }
    }
    if (const std::optional<double> value = CanonicalValue(number))
        return *value;
    // Only an exponent beyond the range of a double gets here: infinity or zero, as the sign says.
    const bool negativeExponent = number.contains(QStringLiteral("e-"));
    if (negativeExponent)
        return 0;
    return number.startsWith(u'-') ? -std::numeric_limits<double>::infinity()
                                   : std::numeric_limits<double>::infinity();
}

double RoundHalfEven(double value)
{
    // The rounding mode, which nothing in the program changes, is the default one: to nearest, halfway to
    // even.
    return std::nearbyint(value);
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
    const QStringView trimmed = TrimmedBy(text, [](QChar c) { return c.isSpace(); });
    const QChar* c = trimmed.begin();
    const QChar* const end = trimmed.end();
    const bool negative = c != end && *c == u'-';
    if (c != end && (negative || *c == u'+'))
        ++c;
    // The digits before and after the point, gathered as one whole number (it wraps harmlessly when long:
    // it is used only for short texts).
    std::uint64_t whole = 0;
    const auto takeDigits = [&c, end, &whole] {
        const QChar* const first = c;
        for (; c != end && IsDigit(*c); ++c)
            whole = whole * 10 + (c->unicode() - u'0');
        return c - first;
    };
    const qsizetype integerDigits = takeDigits();
    qsizetype fractionDigits = 0;
    if (c != end && *c == u'.') {
        ++c;
        fractionDigits = takeDigits();
    }
    const qsizetype digits = integerDigits + fractionDigits;
    if (digits == 0 || c != end)
        return std::nullopt;
    if (digits < std::ssize(PowersOfTen)) {
        const double magnitude = double(whole) / PowersOfTen[static_cast<std::size_t>(fractionDigits)];
        return negative ? -magnitude : magnitude;
    }
    QString canonical = trimmed.toString();
    if (canonical.endsWith(u'.'))
        canonical.chop(1);
    return CanonicalValue(canonical);
}

QString FormatSingle(float value)
{
    return QString::number(static_cast<double>(value), 'G', 7);
}
