#include "graphics/image_data/effector.h"

#include "graphics/raster/progress_sink.h"
#include "graphics/raster/result_image.h"

int EffectPixelBytes(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_BGR888:
        return 3;
    case QImage::Format_RGB32:
        return 4;
    default:
        return 0;
    }
}

void TGREffector::SetSource(const QImage* source, const TRect& rect)
{
    source_ = source;
    rect_ = rect;
}

void TGREffector::Run()
{
    if (!source_ || !destination_ || EffectPixelBytes(*source_) == 0)
        return;
    const QRect rect = rect_.ToQRect();
    if (rect.isEmpty() || !source_->rect().contains(rect))
        return;
    QImage out = ResultImage(*destination_, *source_, rect.size(), source_->format());
    if (out.isNull())
        return; // no memory for the result: the destination keeps its content
    // Every effect writes each colour byte; only the unused byte of 32-bit pixels needs its
    // value beforehand.
    if (out.depth() == 32)
        out.fill(0);
    out.setDotsPerMeterX(source_->dotsPerMeterX());
    out.setDotsPerMeterY(source_->dotsPerMeterY());
    Execute(*source_, rect, out);
    *destination_ = std::move(out);
}

void TGREffector::StartProgress(int steps)
{
    if (progress_)
        progress_->Start(steps);
}

void TGREffector::StepProgress()
{
    if (progress_)
        progress_->Step();
}

void TGREffector::EndProgress()
{
    if (progress_)
        progress_->End();
}
