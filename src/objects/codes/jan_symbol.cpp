#include "objects/codes/jan_symbol.h"

#include <array>

namespace {

// The symbol character sets of the standard: L (odd parity), G (even parity) and R.
constexpr std::array<const char*, 10> kL = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                            "0110001", "0101111", "0111011", "0110111", "0001011"};
constexpr std::array<const char*, 10> kG = {"0100111", "0110011", "0011011", "0100001", "0011101",
                                            "0111001", "0000101", "0010001", "0001001", "0010111"};
constexpr std::array<const char*, 10> kR = {"1110010", "1100110", "1101100", "1000010", "1011100",
                                            "1001110", "1010000", "1000100", "1001000", "1110100"};
// The parity of EAN-13's six left characters by first digit: 'L' or 'G'.
constexpr std::array<const char*, 10> kParity = {"LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG",
                                                 "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL"};
constexpr const char* kSideGuard = "101";
constexpr const char* kCentreGuard = "01010";

bool AllDigits(const QString& text)
{
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

int DigitAt(const QString& code, int index)
{
    return code[index].unicode() - '0';
}

} // namespace

int CalcJANCheckDigit(const QString& code)
{
    int dataDigits = 0;
    switch (code.size()) {
    case 7:
    case 8:
        dataDigits = 7;
        break;
    case 12:
    case 13:
        dataDigits = 12;
        break;
    default:
        return -1;
    }
    const QString data = code.left(dataDigits);
    if (!AllDigits(data))
        return -1;
    // Weights 3 and 1 alternately from the right, the rightmost data digit weighing 3.
    int sum = 0;
    for (int i = 0; i < dataDigits; ++i)
        sum += DigitAt(data, dataDigits - 1 - i) * (i % 2 == 0 ? 3 : 1);
    return 9 - (sum + 9) % 10;
}

bool IsValidJANCode(const QString& code)
{
    if (code.size() != 8 && code.size() != 13)
        return false;
    if (!AllDigits(code))
        return false;
    return CalcJANCheckDigit(code) == DigitAt(code, code.size() - 1);
}

QString MakeJANCode(const QString& code)
{
    const int check = CalcJANCheckDigit(code);
    if (check < 0)
        return {};
    const int dataDigits = code.size() <= 8 ? 7 : 12;
    return code.left(dataDigits) + QChar(u'0' + check);
}

QString TJANLayout::ModuleString() const
{
    QString modules(Modules, QLatin1Char('0'));
    for (const TJANSegment& segment : Segments)
        modules.replace(segment.FirstModule, segment.Pattern.size(), segment.Pattern);
    return modules;
}

TJANLayout JANLayout(const QString& code)
{
    TJANLayout layout;
    if ((code.size() != 8 && code.size() != 13) || !AllDigits(code))
        return layout;
    const bool ean13 = code.size() == 13;
    // EAN-13's first digit is carried by the parity of the left half, not by bars.
    const int first = ean13 ? 1 : 0;
    const int half = ean13 ? 6 : 4;
    const char* parity = ean13 ? kParity[DigitAt(code, 0)] : "LLLL";
    layout.Modules = ean13 ? kEAN13Modules : kEAN8Modules;
    layout.DigitCells.assign(code.size(), 0);

    int module = kJANQuietModules;
    auto add = [&](const char* pattern, bool guard, int digit) {
        const QString text = QString::fromLatin1(pattern);
        layout.Segments.push_back({module, text, guard, digit});
        if (digit >= 0)
            layout.DigitCells[digit] = module;
        module += text.size();
    };
    add(kSideGuard, true, -1);
    for (int i = 0; i < half; ++i) {
        const int digit = DigitAt(code, first + i);
        add(parity[i] == 'G' ? kG[digit] : kL[digit], false, first + i);
    }
    add(kCentreGuard, true, -1);
    for (int i = 0; i < half; ++i)
        add(kR[DigitAt(code, first + half + i)], false, first + half + i);
    add(kSideGuard, true, -1);
    if (ean13)
        layout.DigitCells[0] = 0;
    return layout;
}
