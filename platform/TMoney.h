#pragma once

#include <QMetaType>
#include <QString>

#include <compare>
#include <cstdint>
#include <optional>

// An amount of money in fixed point with four decimals, held as a count of
// ten-thousandths. Parsing and formatting work on the digits themselves and never
// pass through binary floating point, so sums of many small amounts are exact.
class TMoney
{
public:
    static constexpr qint64 Scale = 10000;

    constexpr TMoney() = default;
    static constexpr TMoney FromUnits(qint64 tenThousandths) { TMoney m; m.m_units = tenThousandths; return m; }
    static constexpr TMoney FromWhole(qint64 whole) { return FromUnits(whole * Scale); }
    // For values that arrive as floating point (a float column, a spin box):
    // rounded half away from zero to the nearest ten-thousandth.
    static TMoney FromDouble(double value);

    // Accepts an optional sign, digits, one decimal separator and up to any
    // number of decimals (rounded half away from zero to four); blanks around the
    // number are ignored; thousands separators are not accepted.
    static std::optional<TMoney> Parse(const QString& text, QChar decimalSeparator = u'.');
    // As Parse, taking either "." or the given separator, so that text typed in a
    // comma-decimal locale and text from files both read correctly.
    static std::optional<TMoney> ParseLenient(const QString& text, QChar localeSeparator);

    constexpr qint64 Units() const { return m_units; }
    double ToDouble() const { return double(m_units) / double(Scale); }

    // decimals 0..4; the value is rounded half away from zero when fewer than four.
    QString Format(int decimals = 4, QChar decimalSeparator = u'.') const;

    constexpr TMoney operator+(TMoney o) const { return FromUnits(m_units + o.m_units); }
    constexpr TMoney operator-(TMoney o) const { return FromUnits(m_units - o.m_units); }
    constexpr TMoney operator-() const { return FromUnits(-m_units); }
    constexpr TMoney operator*(qint64 n) const { return FromUnits(m_units * n); }
    TMoney& operator+=(TMoney o) { m_units += o.m_units; return *this; }
    TMoney& operator-=(TMoney o) { m_units -= o.m_units; return *this; }
    // The amount times a percentage given in hundredths of a per cent
    // (1250 = 12.5 %), rounded half away from zero.
    TMoney PercentOf(qint64 hundredthsOfPercent) const;

    constexpr auto operator<=>(const TMoney&) const = default;

private:
    qint64 m_units = 0;
};

Q_DECLARE_METATYPE(TMoney)
