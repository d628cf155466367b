#include "graphics/image_data/image_filter.h"

#include "graphics/image_data/effector.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "graphics/picture/safety_jpeg_image.h"

LR_DEFINE_CLASS(TImageFilter, TPersistent, LR_ABSTRACT)
LR_DEFINE_CLASS(TGREFilter, TImageFilter, LR_ABSTRACT)

void TImageFilter::Assign(const TPersistent& source)
{
    if (&source.ClassInfo() != &ClassInfo()) {
        inherited::Assign(source);
        return;
    }
    TUpdateBracket bracket(notify_);
    AssignPublishedProperties(source, *this);
}

bool TGREFilter::CanApply(const TPictureEx& picture) const
{
    const TGraphic* graphic = picture.Graphic();
    return dynamic_cast<const TSafetyBitmap*>(graphic) || dynamic_cast<const TSafetyJPEGImage*>(graphic);
}

void TGREFilter::Apply(const TPictureEx& source, TPictureEx& destination, TRect& result) const
{
    result = TRect(0, 0, source.Width(), source.Height());
    const std::unique_ptr<TGREffector> effector = CreateEffector();
    if (!effector || !source.Graphic() || source.Graphic()->Empty()) {
        destination.Assign(source);
        return;
    }
    const QImage pixels = FlattenOnWhite(source.Graphic()->ToImage()).convertToFormat(QImage::Format_BGR888);
    QImage filtered;
    effector->SetSource(&pixels, TRect::FromQRect(pixels.rect()));
    effector->SetDestination(&filtered);
    effector->Run();
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(filtered);
    destination.SetGraphic(std::move(bitmap));
}

bool TGREFilter::IsActive(const TPictureEx&) const
{
    return CreateEffector() != nullptr;
}
