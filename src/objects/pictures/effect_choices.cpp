#include "objects/pictures/effect_choices.h"

#include <array>

namespace {

constexpr std::array<int, 7> kFocusBlurCounts = {10, 5, 1, 0, -1, -3, -6};

} // namespace

TMonotoneChoice MonotoneChoiceOf(TColor refColor)
{
    if (refColor == clNone)
        return TMonotoneChoice::None;
    if (refColor == clWhite)
        return TMonotoneChoice::BlackWhite;
    if (refColor == kSepiaRefColor)
        return TMonotoneChoice::Sepia;
    return TMonotoneChoice::Custom;
}

TColor RefColorOf(TMonotoneChoice choice, TColor custom)
{
    switch (choice) {
    case TMonotoneChoice::None:
        return clNone;
    case TMonotoneChoice::BlackWhite:
        return clWhite;
    case TMonotoneChoice::Sepia:
        return kSepiaRefColor;
    case TMonotoneChoice::Custom:
        break;
    }
    return custom;
}

QStringList FocusChoiceNames()
{
    return {QStringLiteral("ソフト強"),   QStringLiteral("ソフト中"),   QStringLiteral("ソフト弱"),
            QStringLiteral("なし"),       QStringLiteral("シャープ弱"), QStringLiteral("シャープ中"),
            QStringLiteral("シャープ強")};
}

int FocusBlurCount(int choice)
{
    return choice >= 0 && choice < int(kFocusBlurCounts.size()) ? kFocusBlurCounts[choice] : 0;
}

int FocusChoiceOf(int blurCount)
{
    if (blurCount > 5)
        return 0;
    if (blurCount >= 2)
        return 1;
    if (blurCount == 1)
        return 2;
    if (blurCount == 0)
        return 3;
    if (blurCount == -1)
        return 4;
    if (blurCount >= -3)
        return 5;
    return 6;
}
