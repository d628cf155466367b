#include "graphics/image_data/box_blur.h"
#include "graphics/image_data/effects.h"

#include <algorithm>

void TGREffectBlur::Execute(const QImage& source, const QRect& rect, QImage& out)
{
    const int passes = std::clamp(passes_, 1, kMaxBlurPasses);
    StartProgress(passes * SweepSteps(rect.height()));
    BoxBlur(source, rect, passes, out, [this](int row) {
        if (IsProgressRow(row))
            StepProgress();
    });
    EndProgress();
}
