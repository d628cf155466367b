#include "objects/backgrounds/back_image_picture.h"

#include "core/persistent/component.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "graphics/raster/rotate_flip.h"

const TTypeInfo RotateStyleType{"TRotateStyle", {{0, "rsNone"}, {1, "rs90"}, {2, "rs180"}, {3, "rs270"}}};
const TTypeInfo PosArrangeType{"TPosArrange", {{0, "paTile"}, {1, "paTileShift"}, {2, "paRandom"}}};

LR_DEFINE_CLASS(TBackImagePicture, TPersistent, LR_ABSTRACT,
    prop::Enumeration("RotateImage", &Self::RotateImage, &Self::SetRotateImage, RotateStyleType).Default(rsNone),
    prop::Boolean("ReverseVert", &Self::ReverseVert, &Self::SetReverseVert).Default(false),
    prop::Boolean("ReverseHorz", &Self::ReverseHorz, &Self::SetReverseHorz).Default(false),
    prop::Boolean("MultiImage", &Self::MultiImage, &Self::SetMultiImage).Default(false),
    prop::Enumeration("PosArrange", &Self::PosArrange, &Self::SetPosArrange, PosArrangeType).Default(paTile))

QImage TransformBackPicture(const QImage& picture, TRotateStyle rotate, bool reverseVert, bool reverseHorz)
{
    QImage result;
    RotateFlip(result, picture.mirrored(reverseHorz, reverseVert), rotate, 0);
    return result;
}

QImage UntransformBackPicture(const QImage& picture, TRotateStyle rotate, bool reverseVert, bool reverseHorz)
{
    QImage result;
    RotateFlip(result, picture, (4 - rotate) % 4, (reverseHorz ? 1 : 0) | (reverseVert ? 2 : 0));
    return result;
}

namespace {

QImage PixelsOf(const TPictureEx& picture)
{
    const TGraphic* graphic = picture.Graphic();
    return graphic && !graphic->Empty() ? FlattenOnWhite(graphic->ToImage()) : QImage();
}

} // namespace

TBackImagePicture::TBackImagePicture(TImageData& imageData, TComponent* owner)
    : imageData_(imageData), owner_(owner), listener_([this](TObject* sender, const TNotifyId& id) {
          if (sender == imageData_.Picture() && id == notify::ObjectChanged)
              PictureChanged();
      })
{
    listener_.Attach(&imageData_.Picture()->Broadcaster());
    original_ = PixelsOf(*imageData_.Picture());
}

TBackImagePicture::~TBackImagePicture()
{
    listener_.DetachAll();
}

TPersistent* TBackImagePicture::GetOwner() const
{
    return owner_;
}

bool TBackImagePicture::OwnerLoading() const
{
    return owner_ && owner_->IsLoading();
}

void TBackImagePicture::SetRotateImage(TRotateStyle rotate)
{
    if (rotate < rsNone || rotate > rs270 || rotate == rotate_)
        return;
    rotate_ = rotate;
    Derive();
}

void TBackImagePicture::SetReverseVert(bool reverse)
{
    if (reverse == reverseVert_)
        return;
    reverseVert_ = reverse;
    Derive();
}

void TBackImagePicture::SetReverseHorz(bool reverse)
{
    if (reverse == reverseHorz_)
        return;
    reverseHorz_ = reverse;
    Derive();
}

void TBackImagePicture::PictureChanged()
{
    if (writing_ || OwnerLoading())
        return;
    original_ = PixelsOf(*imageData_.Picture());
    if (!IsIdentity())
        Derive();
}

void TBackImagePicture::AdoptTransformed()
{
    const QImage current = PixelsOf(*imageData_.Picture());
    original_ = current.isNull() || IsIdentity() ? current
                                                 : UntransformBackPicture(current, rotate_, reverseVert_, reverseHorz_);
}

void TBackImagePicture::Derive()
{
    // While a stream is read, the picture already is the transformed one.
    if (OwnerLoading() || original_.isNull())
        return;
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(IsIdentity() ? original_ : TransformBackPicture(original_, rotate_, reverseVert_, reverseHorz_));
    writing_ = true;
    try {
        imageData_.Picture()->SetGraphic(std::move(bitmap));
    } catch (...) {
        writing_ = false;
        throw;
    }
    writing_ = false;
}

void TBackImagePicture::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TBackImagePicture*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    rotate_ = other->rotate_;
    reverseVert_ = other->reverseVert_;
    reverseHorz_ = other->reverseHorz_;
    multiImage_ = other->multiImage_;
    posArrange_ = other->posArrange_;
    original_ = other->original_;
    // An untransformed picture that is already in place keeps its own graphic (a JPEG stays
    // a JPEG).
    if (!IsIdentity() || PixelsOf(*imageData_.Picture()) != original_)
        Derive();
}
