#include "graphics/color/color_fill.h"

#include "graphics/color/gradation_colors.h"
#include "graphics/color/legacy_bitmap.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"

LR_DEFINE_CLASS(TColorSpec, TPersistent, LR_CREATABLE(TColorSpec),
    prop::Integer("Color", &Self::Color, &Self::SetColor, &ColorType).Default(clBlack),
    prop::Enumeration("Style", &Self::Style, &Self::SetStyle, BrushStyleType).Default(bsSolid),
    prop::Boolean("Tile", &Self::Tile, &Self::SetTile).Default(false),
    prop::Enumeration("Kind", &Self::Kind, &Self::SetKind, ColorSpecKindType).Default(cskSolid),
    prop::Boolean("TileShift", &Self::TileShift, &Self::SetTileShift).Default(false),
    prop::Object("ImageData", &Self::ImageData, &Self::ImageData),
    prop::Integer("GradAngle", &Self::GradAngle, &Self::SetGradAngle).Default(270),
    prop::Enumeration("GradKind", &Self::GradKind, &Self::SetGradKind, GradationKindType).Default(rgkSimple),
    prop::Object("GradColors", &Self::GradColors, &Self::GradColors),
    prop::Method("OnChange", &Self::OnChangeHandler),
    prop::Object("Bitmap", &Self::LegacyBitmap, &Self::LegacyBitmap).NotStored(),
    prop::Enumeration("GradDir", &Self::GradDir, &Self::SetGradDir, GradationDirType).NotStored(),
    prop::Integer("GradColNum", &Self::GradColNum, &Self::SetGradColNum).NotStored(),
    prop::Integer("GradColor0", &Self::GradColorAt<0>, &Self::SetGradColorAt<0>, &ColorType).NotStored(),
    prop::Integer("GradColor1", &Self::GradColorAt<1>, &Self::SetGradColorAt<1>, &ColorType).NotStored(),
    prop::Integer("GradColor2", &Self::GradColorAt<2>, &Self::SetGradColorAt<2>, &ColorType).NotStored(),
    prop::Integer("GradColor3", &Self::GradColorAt<3>, &Self::SetGradColorAt<3>, &ColorType).NotStored(),
    prop::Integer("GradColor4", &Self::GradColorAt<4>, &Self::SetGradColorAt<4>, &ColorType).NotStored(),
    prop::Integer("GradColor5", &Self::GradColorAt<5>, &Self::SetGradColorAt<5>, &ColorType).NotStored(),
    prop::Integer("GradColor6", &Self::GradColorAt<6>, &Self::SetGradColorAt<6>, &ColorType).NotStored(),
    prop::Integer("GradColor7", &Self::GradColorAt<7>, &Self::SetGradColorAt<7>, &ColorType).NotStored())

TColorSpec::TColorSpec()
    : imageData_(std::make_unique<TImageData>()), gradColors_(std::make_unique<TGradationColors>()),
      legacyBitmap_(std::make_unique<TLegacyBitmap>([this](std::unique_ptr<TSafetyBitmap> bitmap) {
          TPictureEx& picture = *imageData_->Picture();
          const bool pictureEmpty = !picture.Graphic() || picture.Graphic()->Empty();
          if (bitmap->Empty() && pictureEmpty)
              return;
          picture.SetGraphic(std::move(bitmap));
      })),
      listener_([this](TObject*, const TNotifyId& id) {
          if (id == notify::ObjectChanged)
              notify_.Changed();
      })
{
    notify_.SetOnChange([this](TChangeNotify*) {
        if (onChange_)
            onChange_(this);
    });
    listener_.Attach(&imageData_->Notify());
    listener_.Attach(&gradColors_->Notify());
}

TColorSpec::~TColorSpec()
{
    listener_.DetachAll();
}

TColorSpecKind TColorSpec::Kind() const
{
    return kind_ == cskBitmap && imageData_->Empty() ? cskSolid : kind_;
}

rgGradationDir TColorSpec::GradDir() const
{
    return KindAngleToGradDir(gradKind_, gradAngle_);
}

void TColorSpec::SetGradDir(int direction)
{
    rgGradationKind kind;
    int angle;
    if (!GradDirToKindAngle(direction, kind, angle))
        return;
    TUpdateBracket bracket(notify_);
    SetGradKind(kind);
    SetGradAngle(angle);
}

int TColorSpec::GradColNum() const
{
    return gradColors_->Count();
}

void TColorSpec::SetGradColNum(int count)
{
    gradColors_->SetColorCount(count);
}

template <int N>
TColor TColorSpec::GradColorAt() const
{
    return gradColors_->Color(N);
}

template <int N>
void TColorSpec::SetGradColorAt(TColor color)
{
    if (N < gradColors_->Count())
        gradColors_->SetColor(N, color);
}

void TColorSpec::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TColorSpec*>(&source);
    if (!other) {
        inherited::Assign(source);
        return;
    }
    if (other == this)
        return;
    TUpdateBracket bracket(notify_);
    SetKind(other->Kind());
    SetColor(other->color_);
    SetStyle(other->style_);
    imageData_->Assign(*other->imageData_);
    SetTile(other->tile_);
    SetTileShift(other->tileShift_);
    if (Kind() != cskGradation)
        return;
    SetGradAngle(other->gradAngle_);
    SetGradKind(other->gradKind_);
    gradColors_->Assign(*other->gradColors_);
}
