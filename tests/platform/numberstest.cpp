#include "platform/numbers.h"

#include "platform/fixeddecimal.h"
#include "support/testmain.h"

#include <QTest>
#include <bit>
#include <cmath>
#include <limits>

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void numericValue_data();
    void numericValue();
    void numericValue_hugeExponent_isInfinite();
    void roundHalfEven_data();
    void roundHalfEven();
    void toInt16_refusesWhatDoesNotFit();
    void parseDecimal_data();
    void parseDecimal();
    void parseDecimal_equalsTheGeneralConversionToTheBit();
    void formatSingle_data();
    void formatSingle();
    void fixedFromDouble_data();
    void fixedFromDouble();
    void fixedText_data();
    void fixedText();
    void fixedArithmetic_saturatesInsteadOfWrapping();
};

void NumbersTest::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("whole") << "30" << 30.0;
    QTest::newRow("negative") << "-5" << -5.0;
    QTest::newRow("fraction") << "12.5" << 12.5;
    QTest::newRow("blanks anywhere") << " 2 45 7" << 2457.0;
    QTest::newRow("tab and line feed skipped") << "1\t5\n0" << 150.0;
    QTest::newRow("comma ends the number") << "4,5" << 4.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("incomplete exponent") << "1e" << 1.0;
    QTest::newRow("exponent") << "1.5E2" << 150.0;
    QTest::newRow("negative exponent") << "25e-1" << 2.5;
    QTest::newRow("two signs") << "+-1" << 0.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters after digits") << "12abc" << 12.0;
    QTest::newRow("decimal point is always a point") << "3,92" << 3.0;
    QTest::newRow("hex") << "&H1F" << 31.0;
    QTest::newRow("hex wraps to 16 bits") << "&HFFFF" << -1.0;
    QTest::newRow("hex 8000") << "&H8000" << -32768.0;
    QTest::newRow("five hex digits are 32 bits") << "&H10000" << 65536.0;
    QTest::newRow("eight hex digits wrap to 32 bits") << "&HFFFFFFFF" << -1.0;
    QTest::newRow("lower-case hex") << "&hff" << 255.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal wraps to 16 bits") << "&O177777" << -1.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("ampersand other letter") << "&X12" << 0.0;
}

void NumbersTest::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(NumericValue(text), expected);
}

void NumbersTest::numericValue_hugeExponent_isInfinite()
{
    QVERIFY(std::isinf(NumericValue(QStringLiteral("1E999"))));
    QCOMPARE(NumericValue(QStringLiteral("1E-999")), 0.0);
}

void NumbersTest::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("3.5") << 3.5 << 4.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("-3.5") << -3.5 << -4.0;
    QTest::newRow("12.5") << 12.5 << 12.0;
    QTest::newRow("13.5") << 13.5 << 14.0;
    QTest::newRow("just above half") << 2.5000001 << 3.0;
    QTest::newRow("just below half") << 2.4999999 << 2.0;
    QTest::newRow("-0.4") << -0.4 << 0.0;
}

void NumbersTest::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(RoundHalfEven(value), expected);
}

void NumbersTest::toInt16_refusesWhatDoesNotFit()
{
    QCOMPARE(ToInt16(32767.4), std::optional<qint16>(32767));
    QCOMPARE(ToInt16(-32768.5), std::optional<qint16>(-32768)); // ties to even stays inside
    QCOMPARE(ToInt16(32767.5), std::nullopt);
    QCOMPARE(ToInt16(-32769), std::nullopt);
    QCOMPARE(ToInt16(std::numeric_limits<double>::infinity()), std::nullopt);
    QCOMPARE(ToInt16(std::nan("")), std::nullopt);
}

void NumbersTest::parseDecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");
    QTest::newRow("whole") << "5" << true << 5.0;
    QTest::newRow("fraction") << "1.25" << true << 1.25;
    QTest::newRow("blanks around") << "  -2.5 " << true << -2.5;
    QTest::newRow("plus") << "+3" << true << 3.0;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "5." << true << 5.0;
    QTest::newRow("signed leading point") << "-.5" << true << -0.5;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("digits then letters") << "12kg" << false << 0.0;
    QTest::newRow("sign alone") << "-" << false << 0.0;
    QTest::newRow("point alone") << "." << false << 0.0;
    QTest::newRow("inner blank") << "1 2" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("quoted") << "\"5\"" << false << 0.0;
}

void NumbersTest::parseDecimal()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const std::optional<double> value = ParseDecimal(text);
    QCOMPARE(value.has_value(), valid);
    if (valid)
        QCOMPARE(*value, expected);
}

// Short numbers are computed by plain arithmetic instead of QString::toDouble; the value must be the same
// double, sign of zero included, also where the short way just ends (2^53, 22 digits after the point).
void NumbersTest::parseDecimal_equalsTheGeneralConversionToTheBit()
{
    QStringList texts =
        QStringLiteral("0.1 0.3 3.92 -0 -0.0 +0 0. -.0 65535.5 -32768.5 9007199254740992 "
                       "9007199254740993 -9007199254740993 900719925474099.3 0.9007199254740993 "
                       "0.0000000000000000000001 0.00000000000000000000001 "
                       "1.0000000000000000000001 1.00000000000000000000001 "
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
        QString canonical = text;
        if (canonical.endsWith(u'.'))
            canonical.chop(1);
        bool ok = false;
        const double general = canonical.toDouble(&ok);
        const std::optional<double> value = ParseDecimal(text);
        QVERIFY2(ok && value, qPrintable(text));
        QVERIFY2(std::bit_cast<quint64>(*value) == std::bit_cast<quint64>(general), qPrintable(text));
    }
}

void NumbersTest::formatSingle_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1.25") << 1.25f << "1.25";
    QTest::newRow("0.5") << 0.5f << "0.5";
    QTest::newRow("12") << 12.0f << "12";
    QTest::newRow("3.92") << 3.92f << "3.92";
    QTest::newRow("sum just above 4") << (3.9999995f + 0.000001f) << "4";
    QTest::newRow("0.1 + 0.2") << (0.1f + 0.2f) << "0.3";
    QTest::newRow("seven digits") << 654322.23456f << "654322.3";
    QTest::newRow("negative") << -2.5f << "-2.5";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("large") << 12345678.0f << "1.234568E+07";
}

void NumbersTest::formatSingle()
{
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatSingle(value), expected);
}

void NumbersTest::fixedFromDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("tenThousandths");
    QTest::newRow("3.92") << 3.92 << qint64(39200);
    QTest::newRow("float 0.1 rounds to 0.1") << double(0.1f) << qint64(1000);
    QTest::newRow("0.00004 rounds to 0") << 0.00004 << qint64(0);
    QTest::newRow("0.00005 lies above half") << 0.00005 << qint64(1);
    QTest::newRow("exact tie goes down to even") << 0.03125 << qint64(312);
    QTest::newRow("exact tie goes up to even") << 0.09375 << qint64(938);
    // The doubles nearest to these decimals lie just off the tie; the exact product decides.
    QTest::newRow("just above a tie") << 1.00025 << qint64(10003);
    QTest::newRow("just below a tie") << 2.00025 << qint64(20002);
    QTest::newRow("negative") << -2.5 << qint64(-25000);
    QTest::newRow("beyond the range") << 1e300 << std::numeric_limits<qint64>::max();
    QTest::newRow("below the range") << -1e300 << std::numeric_limits<qint64>::min();
}

void NumbersTest::fixedFromDouble()
{
    QFETCH(double, value);
    QFETCH(qint64, tenThousandths);
    QCOMPARE(FixedDecimal::FromDouble(value).TenThousandths(), tenThousandths);
}

void NumbersTest::fixedText_data()
{
    QTest::addColumn<qint64>("tenThousandths");
    QTest::addColumn<QString>("expected");
    QTest::newRow("3.92") << qint64(39200) << "3.92";
    QTest::newRow("12") << qint64(120000) << "12";
    QTest::newRow("7.5") << qint64(75000) << "7.5";
    QTest::newRow("below 1") << qint64(5000) << "0.5";
    QTest::newRow("four decimals") << qint64(136450) << "13.645";
    QTest::newRow("smallest step") << qint64(1) << "0.0001";
    QTest::newRow("negative") << qint64(-72500) << "-7.25";
    QTest::newRow("zero") << qint64(0) << "0";
}

void NumbersTest::fixedText()
{
    QFETCH(qint64, tenThousandths);
    QFETCH(QString, expected);
    QCOMPARE(FixedDecimal::FromTenThousandths(tenThousandths).ToText(u'.'), expected);
    QCOMPARE(FixedDecimal::FromTenThousandths(tenThousandths).ToText(u','),
             QString(expected).replace(u'.', u','));
}

void NumbersTest::fixedArithmetic_saturatesInsteadOfWrapping()
{
    const FixedDecimal largest = FixedDecimal::FromTenThousandths(std::numeric_limits<qint64>::max());
    const FixedDecimal smallest = FixedDecimal::FromTenThousandths(std::numeric_limits<qint64>::min());
    const FixedDecimal one = FixedDecimal::FromWhole(1);
    QCOMPARE(largest + one, largest);
    QCOMPARE(smallest - one, smallest);
    QCOMPARE(one - largest - largest, smallest);
    QCOMPARE(FixedDecimal::FromWhole(3) - one + one, FixedDecimal::FromWhole(3));
    QVERIFY(!FixedDecimal::Fits(1e300));
    QVERIFY(FixedDecimal::Fits(1e12));
    QVERIFY(!smallest.ToText(u'.').isEmpty());
}

ROSTERMAKER_REGISTER_TEST(NumbersTest)
#include "numberstest.moc"
