#include "platform/numbers.h"

#include "platform/fixeddecimal.h"
#include "support/testmain.h"
#include "support/testsupport.h"

#include <bit>
#include <cmath>
#include <limits>

namespace {

constexpr struct {
    const char* Name;
    const char16_t* Text;
    double Value;
} NumericValues[] = {
    {"whole", u"30", 30},
    {"fraction", u"-12.5", -12.5},
    {"blanks anywhere", u" 2 45 7", 2457},
    {"tab and LF", u"1\t5\n0", 150},
    {"comma ends it", u"4,5", 4},
    {"second point ends it", u"1.2.3", 1.2},
    {"leading point", u".5", 0.5},
    {"incomplete exponent", u"1e", 1},
    {"exponent", u"1.5E2", 150},
    {"negative exponent", u"25e-1", 2.5},
    {"two signs", u"+-1", 0},
    {"plus", u"+7", 7},
    {"no number", u"abc", 0},
    {"empty", u"", 0},
    {"letters after", u"12abc", 12},
    {"hex", u"&H1F", 31},
    {"hex 16 bits", u"&HFFFF", -1},
    {"hex 8000", u"&H8000", -32768},
    {"hex 32 bits", u"&H10000", 65536},
    {"hex wraps 32", u"&HFFFFFFFF", -1},
    {"lower hex", u"&hff", 255},
    {"hex stops", u"&H1G", 1},
    {"octal", u"&O17", 15},
    {"octal 16 bits", u"&O177777", -1},
    {"octal 32 bits", u"&O200000", 65536},
    {"ampersand alone", u"&", 0},
    {"other letter", u"&X12", 0},
    {"huge exponent", u"1E-999", 0},
};

constexpr struct {
    const char* Name;
    const char16_t* Text;
    bool Valid;
    double Value;
} Decimals[] = {
    {"whole", u"5", true, 5},
    {"fraction", u"1.25", true, 1.25},
    {"blanks", u"  -2.5 ", true, -2.5},
    {"plus", u"+3", true, 3},
    {"leading point", u".5", true, 0.5},
    {"trailing point", u"5.", true, 5},
    {"signed point", u"-.5", true, -0.5},
    {"letters", u"abc", false, 0},
    {"unit", u"12kg", false, 0},
    {"sign alone", u"-", false, 0},
    {"point alone", u".", false, 0},
    {"inner blank", u"1 2", false, 0},
    {"two points", u"1.2.3", false, 0},
    {"quoted", u"\"5\"", false, 0},
    {"exponent", u"1e5", false, 0},
};

constexpr struct {
    const char* Name;
    double Value;
    qint64 TenThousandths;
    const char* Text;
} FixedDecimals[] = {
    {"3.92", 3.92, 39200, "3.92"},
    {"whole", 12, 120000, "12"},
    {"below 1", 0.5, 5000, "0.5"},
    {"four decimals", 13.645, 136450, "13.645"},
    {"float 0.1", double(0.1f), 1000, "0.1"},
    {"below half a step", 0.00004, 0, "0"},
    {"above half a step", 0.00005, 1, "0.0001"},
    {"tie to even below", 0.03125, 312, "0.0312"},
    {"tie to even above", 0.09375, 938, "0.0938"},
    {"just above a tie", 1.00025, 10003, "1.0003"}, // the exact product decides, not the rounded one
    {"just below a tie", 2.00025, 20002, "2.0002"},
    {"negative", -7.25, -72500, "-7.25"},
    {"beyond the range", 1e300, std::numeric_limits<qint64>::max(), "922337203685477.5807"},
};

} // namespace

// How texts become numbers, how numbers are rounded and narrowed, and how they are written.
class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void numericValue_data() { AddRows(NumericValues); }
    void numericValue();
    void roundingAndNarrowing();
    void parseDecimal_data() { AddRows(Decimals); }
    void parseDecimal();
    void parseDecimal_equalsTheGeneralConversionToTheBit();
    void formatSingle();
    void fixedDecimal_data() { AddRows(FixedDecimals); }
    void fixedDecimal();
    void fixedArithmetic_saturatesInsteadOfWrapping();
};

void NumbersTest::numericValue()
{
    const auto& row = Row(NumericValues);
    QCOMPARE(NumericValue(QStringView(row.Text)), row.Value);
}

void NumbersTest::roundingAndNarrowing()
{
    const double values[] = {2.5, 3.5, -2.5, -3.5, 12.5, 2.5000001, 2.4999999, -0.4};
    const double rounded[] = {2, 4, -2, -4, 12, 3, 2, 0};
    for (std::size_t i = 0; i < std::size(values); ++i)
        QCOMPARE(RoundHalfEven(values[i]), rounded[i]);
    QCOMPARE(ToInt16(32767.4), std::optional<qint16>(32767));
    QCOMPARE(ToInt16(-32768.5), std::optional<qint16>(-32768)); // ties to even stay inside
    QCOMPARE(ToInt16(32767.5), std::nullopt);
    QCOMPARE(ToInt16(-32769), std::nullopt);
    QCOMPARE(ToInt16(std::nan("")), std::nullopt);
    QVERIFY(std::isinf(NumericValue(u"1E999")));
}

void NumbersTest::parseDecimal()
{
    const auto& row = Row(Decimals);
    QCOMPARE(ParseDecimal(QStringView(row.Text)),
             row.Valid ? std::optional<double>(row.Value) : std::nullopt);
}

// Short numbers are read by plain arithmetic instead of QString::toDouble; the value must be the same
// double, sign of zero included, also where the short way ends (2^53, 22 digits after the point).
void NumbersTest::parseDecimal_equalsTheGeneralConversionToTheBit()
{
    QStringList texts = QStringLiteral("0.1 3.92 -0 -0.0 0. -.0 65535.5 9007199254740992 9007199254740993 "
                                       "-9007199254740993 0.9007199254740993 0.0000000000000000000001 "
                                       "0.00000000000000000000001 1.00000000000000000000001 "
                                       "123456789012345678901234.5")
                            .split(u' ');
    quint64 state = 12345; // a fixed sequence of numbers of 1 to 18 digits with the point anywhere
    for (int i = 0; i < 2000; ++i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        QString digits = QString::number(state >> 11).left(1 + int(state % 18));
        digits.insert(int((state >> 7) % quint64(digits.size() + 1)), u'.');
        texts.append((state & 1) ? u'-' + digits : digits);
    }
    for (const QString& text : texts) {
        const double general = (text.endsWith(u'.') ? text.chopped(1) : text).toDouble();
        const std::optional<double> value = ParseDecimal(text);
        QVERIFY2(value && std::bit_cast<quint64>(*value) == std::bit_cast<quint64>(general),
                 qPrintable(text));
    }
}

void NumbersTest::formatSingle()
{
    const float values[] = {1.25f,       0.5f,          12,    3.92f, 3.9999995f + 0.000001f,
                            0.1f + 0.2f, 654322.23456f, -2.5f, 0,     12345678};
    const QStringList texts = {"1.25", "0.5",      "12",   "3.92", "4",
                               "0.3",  "654322.3", "-2.5", "0",    "1.234568E+07"};
    for (std::size_t i = 0; i < std::size(values); ++i)
        QCOMPARE(FormatSingle(values[i]), texts[qsizetype(i)]);
}

void NumbersTest::fixedDecimal()
{
    const auto& row = Row(FixedDecimals);
    const FixedDecimal value = FixedDecimal::FromDouble(row.Value);
    QCOMPARE(value.TenThousandths(), row.TenThousandths);
    QCOMPARE(value.ToText(u'.'), QString::fromLatin1(row.Text));
    QCOMPARE(value.ToText(u','), QString::fromLatin1(row.Text).replace(u'.', u','));
    QCOMPARE(FixedDecimal::Fits(row.Value), std::abs(row.Value) < 1e15);
}

void NumbersTest::fixedArithmetic_saturatesInsteadOfWrapping()
{
    const FixedDecimal largest = FixedDecimal::FromTenThousandths(std::numeric_limits<qint64>::max());
    const FixedDecimal smallest = FixedDecimal::FromTenThousandths(std::numeric_limits<qint64>::min());
    const FixedDecimal one = FixedDecimal::FromWhole(1);
    QCOMPARE(largest + one, largest);
    QCOMPARE(smallest - one, smallest);
    QCOMPARE(one - largest - largest, smallest);
    QCOMPARE(smallest + largest + one, FixedDecimal::FromTenThousandths(9999));
    QCOMPARE(FixedDecimal::FromWhole(3) - one + one, FixedDecimal::FromWhole(3));
    QCOMPARE(FixedDecimal::FromDouble(-1e300), smallest);
    QCOMPARE(FixedDecimal::FromDouble(std::nan("")), FixedDecimal());
}

ROSTERMAKER_REGISTER_TEST(NumbersTest)
#include "numberstest.moc"
