#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

namespace fw {

class Random;

// The numeric conversions every part of the program shares. Keep them here and
// only here, so that rounding is the same wherever a value is converted.

// One draw: a uniform value in [0, 1) times n, truncated; 0 to n - 1.
int draw(Random &random, int n);

// To the nearest integer, a half going to the even integer (2.5 -> 2, -0.5 -> 0).
double nearest(double value);
// Toward zero.
double truncate(double value);

// nearest() as a 32-bit integer, saturating far outside the range.
int nearestInt(double value);
// truncate() as a 32-bit integer, saturating far outside the range.
int truncInt(double value);

// The decimal-prefix conversion: leading blanks skipped, then an optional sign,
// digits and a decimal point with digits; anything after that is ignored and a
// text with no leading number reads as 0.
double decimalPrefix(QStringView text);

// The text without ASCII spaces at either end, the way names and fixed-width
// fields are trimmed; a full-width space is part of the text.
QStringView trimmedSpaces(QStringView text);

// A number to a 16-bit integer by nearest(); empty when the rounded value lies
// outside -32768..32767, so the caller skips the assignment.
std::optional<std::int16_t> toInt16(double value);

// A whole text to a 16-bit integer: the trimmed text must be a number
// (sign, digits, point); fractions go to the nearest integer. Empty when the
// text is not a number or the value lies outside the 16-bit range.
std::optional<std::int16_t> textToInt16(QStringView text);

// A whole text to a number, as textToInt16 without the range: empty when the
// text is not a number.
std::optional<double> textToNumber(QStringView text);

} // namespace fw
