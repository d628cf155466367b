#include "document/direct_print/size_adjustment.h"

#include "catalogue/paper/paper_info.h"
#include "core/canvas/rect.h"
#include "core/frame/settings.h"
#include "document/direct_print/direct_printer_info.h"

#include <algorithm>
#include <atomic>

namespace {

constexpr int kLimit = 100;       // ±10.0 mm
constexpr int kLargestDisc = 1200; // 120.0 mm
constexpr int kRing = 50;         // 5.0 mm

std::atomic<int> generation{0};

int OuterCap(const TDirectPrinterModel* model)
{
    return model && model->MaxOuterWidth > 0 ? std::min(kLargestDisc, model->MaxOuterWidth) : kLargestDisc;
}

int InnerFloor(const TDirectPrinterModel* model)
{
    return model ? std::max(0, model->MinInnerWidth) : 0;
}

TAdjustmentRange Range(int minimum, int maximum, bool fixAtMaximum)
{
    if (minimum > maximum)
        return fixAtMaximum ? TAdjustmentRange{maximum, maximum} : TAdjustmentRange{minimum, minimum};
    return {minimum, maximum};
}

} // namespace

QString SizeAdjustKeyPath(const QString& paperName)
{
    QString segment = paperName;
    segment.replace(QLatin1Char('%'), QLatin1String("%25"));
    segment.replace(QLatin1Char('/'), QLatin1String("%2F"));
    segment.replace(QLatin1Char('\\'), QLatin1String("%5C"));
    return QStringLiteral("$(SizeAdjustKey)\\.") + segment;
}

TSizeAdjustment ReadStoredSizeAdjustment(const QString& paperName, const QString& model)
{
    const TRegistryKey key(SizeAdjustKeyPath(paperName));
    return {key.ReadInteger(model + QStringLiteral(".Inner"), 0), key.ReadInteger(model + QStringLiteral(".Outer"), 0)};
}

void WriteSizeAdjustment(const QString& paperName, const QString& model, const TSizeAdjustment& adjustment)
{
    TRegistryKey key(SizeAdjustKeyPath(paperName));
    key.WriteInteger(model + QStringLiteral(".Inner"), adjustment.Inner);
    key.WriteInteger(model + QStringLiteral(".Outer"), adjustment.Outer);
    ++generation;
}

int SizeAdjustmentGeneration()
{
    return generation.load();
}

TSizeAdjustment ClampSizeAdjustment(TSizeAdjustment stored, int a, int b, const TDirectPrinterModel* model)
{
    int i = std::clamp(stored.Inner, -kLimit, kLimit);
    int o = std::clamp(stored.Outer, -kLimit, kLimit);
    const int cap = OuterCap(model);
    const int floor = InnerFloor(model);
    if (b + o > cap)
        o = cap - b;
    if (a + i < floor)
        i = floor - a;
    if ((b + o) - (a + i) < kRing) {
        const int raised = a + i - b + kRing;
        if (b + raised <= cap && raised <= kLimit) {
            o = raised;
        } else {
            o = std::min(cap - b, kLimit);
            i = b + o - kRing - a;
        }
    }
    return {i, o};
}

TSizeAdjustment ReadSizeAdjustment(const TPaperInfo& paper, const TDirectPrinterModel* model)
{
    if (paper.FaceCount() == 0)
        return {};
    const int a = paper.CutCenterSize(0).width();
    const int b = RectWidth(paper.FaceRect(0));
    return ClampSizeAdjustment(ReadStoredSizeAdjustment(paper.PaperName(), paper.GroupName()), a, b, model);
}

TAdjustmentRange OuterAdjustmentRange(int a, int b, int inner, const TDirectPrinterModel* model)
{
    const int maximum = std::min(kLimit, OuterCap(model) - b);
    const int minimum = std::max(-kLimit, a + inner - b + kRing);
    return Range(minimum, maximum, true);
}

TAdjustmentRange InnerAdjustmentRange(int a, int b, int outer, const TDirectPrinterModel* model)
{
    const int minimum = std::max(-kLimit, InnerFloor(model) - a);
    const int maximum = std::min(kLimit, b + outer - a - kRing);
    return Range(minimum, maximum, false);
}
