#include "TMoney.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

qint64 RoundedDivide(qint64 value, qint64 divisor)
{
    const qint64 quotient = value / divisor;
    const qint64 remainder = value % divisor;
    if (2 * qAbs(remainder) >= divisor)
        return quotient + (value < 0 ? -1 : 1);
    return quotient;
}

} // namespace

TMoney TMoney::FromDouble(double value)
{
    return FromUnits(std::llround(value * double(Scale)));
}

std::optional<TMoney> TMoney::Parse(const QString& text, QChar decimalSeparator)
{
    const QString t = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        negative = t[i] == u'-';
        ++i;
    }
    qint64 whole = 0;
    int wholeDigits = 0;
    while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
        if (whole > (INT64_MAX / Scale) / 10)
            return std::nullopt;
        whole = whole * 10 + (t[i].unicode() - '0');
        ++wholeDigits;
        ++i;
    }
    qint64 fraction = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    if (i < t.size() && t[i] == decimalSeparator) {
        ++i;
        while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
            const int digit = t[i].unicode() - '0';
            if (fractionDigits < 4)
                fraction = fraction * 10 + digit;
            else if (fractionDigits == 4)
                roundUp = digit >= 5;
            ++fractionDigits;
            ++i;
        }
    }
    if (i != t.size() || (wholeDigits == 0 && fractionDigits == 0))
        return std::nullopt;
    for (int d = fractionDigits; d < 4; ++d)
        fraction *= 10;
    qint64 units = whole * Scale + fraction + (roundUp ? 1 : 0);
    return FromUnits(negative ? -units : units);
}

std::optional<TMoney> TMoney::ParseLenient(const QString& text, QChar localeSeparator)
{
    if (auto m = Parse(text, localeSeparator))
        return m;
    if (localeSeparator != u'.')
        return Parse(text, u'.');
    return std::nullopt;
}

QString TMoney::Format(int decimals, QChar decimalSeparator) const
{
    decimals = std::clamp(decimals, 0, 4);
    qint64 divisor = 1;
    for (int d = decimals; d < 4; ++d)
        divisor *= 10;
    const qint64 scaled = RoundedDivide(m_units, divisor);
    qint64 unit = 1;
    for (int d = 0; d < decimals; ++d)
        unit *= 10;
    const quint64 magnitude = scaled < 0 ? quint64(-(scaled + 1)) + 1 : quint64(scaled);
    QString result = QString::number(magnitude / quint64(unit));
    if (decimals > 0) {
        result += decimalSeparator;
        result += QString::number(magnitude % quint64(unit)).rightJustified(decimals, u'0');
    }
    if (scaled < 0)
        result.prepend(u'-');
    return result;
}

TMoney TMoney::PercentOf(qint64 hundredthsOfPercent) const
{
    return FromUnits(RoundedDivide(m_units * hundredthsOfPercent, 10000));
}
