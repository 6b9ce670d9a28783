#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Numeric rules of the Windows runtime that the game's files follow: how a text becomes a number, how
// numbers are rounded and narrowed, and how a single-precision value is written for display.

// The numeric value of a text in the manner of the BASIC Val function: blanks, tabs and line feeds are
// skipped wherever they stand; the value is the longest leading part that forms a decimal number (one
// optional sign, digits, "." and digits, an exponent introduced by "E"); "&H" and "&O" introduce
// hexadecimal and octal numbers. A text without such a part is 0. The decimal separator is always ".".
double NumericValue(QStringView text);

// Rounds to the nearest whole number; a value exactly halfway goes to the even neighbour (2.5 -> 2).
double RoundHalfEven(double value);

// The whole number nearest to value (ties to even) when it fits a 16-bit signed integer; nothing when it
// does not, or when value is not a number. Never wraps.
std::optional<qint16> ToInt16(double value);

// Reads a field of the weapons file as a decimal number: blanks around it, one optional sign, digits with
// an optional "." fraction (".5" and "5." included). Nothing when the text is not such a number.
std::optional<double> ParseDecimal(QStringView text);

// Text of a single-precision value: seven significant digits, trailing zeros and a trailing point dropped,
// "0" before the point below 1 (1.25, 0.5, 12, 3.92; 4.0000005 gives 4). Exponent form below 1E-04 and
// from 1E+07 on, as the Windows runtime writes it.
QString FormatSingle(float value);
