#include "platform/Conversions.h"

#include "platform/Random.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace fw {

namespace {

struct ParsedNumber
{
    double value = 0.0;
    qsizetype end = 0; // index after the last character that belongs to the number
    bool hasDigits = false;
};

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

ParsedNumber parseLeadingNumber(QStringView text)
{
    ParsedNumber result;
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    double value = 0.0;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        value = value * 10.0 + (text[i].unicode() - u'0');
        result.hasDigits = true;
        ++i;
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        double scale = 0.1;
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
            value += (text[i].unicode() - u'0') * scale;
            scale /= 10.0;
            result.hasDigits = true;
            ++i;
        }
    }
    result.value = negative ? -value : value;
    result.end = i;
    return result;
}

int clampToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

} // namespace

int draw(Random &random, int n)
{
    return truncInt(random.next() * n);
}

double nearest(double value)
{
    // nearbyint follows the rounding mode, which is to-nearest-even unless
    // someone changed it; say so explicitly rather than rely on it.
    const int previous = std::fegetround();
    if (previous != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const double result = std::nearbyint(value);
    if (previous != FE_TONEAREST)
        std::fesetround(previous);
    return result;
}

double truncate(double value) { return std::trunc(value); }

int nearestInt(double value) { return clampToInt(nearest(value)); }

int truncInt(double value) { return clampToInt(std::trunc(value)); }

double decimalPrefix(QStringView text)
{
    return parseLeadingNumber(text).value;
}

QStringView trimmedSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

std::optional<std::int16_t> toInt16(double value)
{
    if (std::isnan(value))
        return std::nullopt;
    const double rounded = nearest(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<double> textToNumber(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    const ParsedNumber parsed = parseLeadingNumber(trimmed);
    if (!parsed.hasDigits || parsed.end != trimmed.size())
        return std::nullopt;
    return parsed.value;
}

std::optional<std::int16_t> textToInt16(QStringView text)
{
    const std::optional<double> number = textToNumber(text);
    if (!number)
        return std::nullopt;
    return toInt16(*number);
}

} // namespace fw
