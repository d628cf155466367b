#include "printing/pipeline/print_request.h"

#include "core/error.h"
#include "core/frame/settings.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kToneLevels[] = {-0.3, -0.2, -0.1, 0, 0.15, 0.3, 0.45};

} // namespace

bool TPrintSpec::Prints(int face) const
{
    if (AllFaces)
        return true;
    return face >= 0 && face < static_cast<int>(FaceSelected.size()) && FaceSelected[static_cast<size_t>(face)] != 0;
}

void TPrintSpec::Check() const
{
    if (Copies < 1 || Copies > kMaxPrintCopies)
        throw EAppError(QStringLiteral("部数は 1 から %1 までで指定してください").arg(kMaxPrintCopies));
    if (Resolution != 0 && (Resolution < kMinPrintResolution || Resolution > kMaxPrintResolution))
        throw EAppError(QStringLiteral("解像度 %1 は指定できません").arg(Resolution));
    if (!IsToneLevelGamma(Gamma))
        throw EAppError(QStringLiteral("濃度 %1 は指定できません").arg(Gamma));
    if (std::abs(Offset.x()) > kMaxPrintOffset || std::abs(Offset.y()) > kMaxPrintOffset)
        throw EAppError(QStringLiteral("印刷位置の調整は ±%1 mm までです").arg(kMaxPrintOffset / 10.0));
}

double ToneLevelGamma(int level)
{
    if (level < -3 || level > 3)
        throw EAppError(QStringLiteral("濃度は -3 から 3 までで指定してください"));
    return kToneLevels[level + 3];
}

bool IsToneLevelGamma(double gamma)
{
    return std::any_of(std::begin(kToneLevels), std::end(kToneLevels),
                       [&](double level) { return std::abs(level - gamma) < 1e-9; });
}

TPrintDialogValues& RememberedPrintValues()
{
    static TPrintDialogValues values;
    return values;
}

void ReadPrintOffsetSettings(TPrintDialogValues& values)
{
    const auto clamp = [](int value) { return std::clamp(value, -kMaxPrintOffset, kMaxPrintOffset); };
    values.Offset = QPoint(clamp(ReadInteger(QStringLiteral("PrintLeftOffset"), 0)),
                           clamp(ReadInteger(QStringLiteral("PrintTopOffset"), 0)));
    values.OffsetEnabled = ReadBool(QStringLiteral("PrintOffsetEnabled"), true);
}

void WritePrintOffsetSettings(const TPrintDialogValues& values)
{
    WriteInteger(QStringLiteral("PrintLeftOffset"), values.Offset.x());
    WriteInteger(QStringLiteral("PrintTopOffset"), values.Offset.y());
    WriteBool(QStringLiteral("PrintOffsetEnabled"), values.OffsetEnabled);
}

std::vector<std::uint8_t> FaceChoiceFor(const TPrintDialogValues& values, int faceCount)
{
    if (static_cast<int>(values.FaceChoice.size()) == faceCount)
        return values.FaceChoice;
    return std::vector<std::uint8_t>(static_cast<size_t>(std::max(faceCount, 0)), 0);
}

TPrintSpec MakePrintSpec(const TPrintDialogValues& values, int faceCount, bool directPrint, int toneLevel)
{
    TPrintSpec spec;
    spec.Copies = values.Copies;
    spec.FaceSelected = FaceChoiceFor(values, faceCount);
    spec.AllFaces = values.AllFaces || faceCount == 1;
    spec.PrintFrame = values.PrintFrame && !directPrint;
    spec.PrintCutLine = values.PrintCutLine && !directPrint;
    spec.PrintPaperImage = values.PrintPaperImage && !directPrint;
    spec.BlurEdge = values.BlurEdge;
    spec.Offset = values.OffsetEnabled ? values.Offset : QPoint();
    spec.Gamma = ToneLevelGamma(toneLevel);
    return spec;
}

TRenderSettings TRenderSettings::Read()
{
    TRenderSettings settings;
    settings.Banding = ReadInteger(QStringLiteral("Banding"), 1) == 1;
    return settings;
}
