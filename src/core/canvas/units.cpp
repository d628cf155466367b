#include "core/canvas/units.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t quotient = product / c;
    const std::int64_t remainder = product % c;
    // Round half away from zero: compare twice the remainder with the divisor.
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<std::int64_t>(c)))
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(quotient);
}

int RoundHalfAway(long double x)
{
    return static_cast<int>(x >= 0 ? x + 0.5L : x - 0.5L);
}

QString FormatMillimetres(int units)
{
    const int whole = units / 10;
    const int tenths = std::abs(units % 10);
    QString text = (units < 0 && whole == 0) ? QStringLiteral("-0") : QString::number(whole);
    if (tenths != 0)
        text += QLatin1Char('.') + QString::number(tenths);
    return text;
}

QSize NaturalLogicalSize(QSize pixels)
{
    constexpr int minimum = 30;
    const int width = MulDiv(pixels.width(), kUnitsPerInch, kPictureDefaultDPI);
    const int height = MulDiv(pixels.height(), kUnitsPerInch, kPictureDefaultDPI);
    return {width < minimum ? minimum : width, height < minimum ? minimum : height};
}

int Gcd(int a, int b)
{
    while (b != 0) {
        const int rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}
