#include "catalogue/paper/free_paper_info.h"

#include "catalogue/paper/face_extras.h"
#include "catalogue/paper/paper_limits.h"
#include "core/stream/reader.h"

LR_DEFINE_CLASS(TFaceItem, TCollectionItem, LR_CREATABLE(TFaceItem),
    prop::Integer("Left", &Self::Left, &Self::SetLeft),
    prop::Integer("Top", &Self::Top, &Self::SetTop),
    prop::Integer("Width", &Self::Width, &Self::SetWidth),
    prop::Integer("Height", &Self::Height, &Self::SetHeight),
    prop::Integer("FaceMargin", &Self::FaceMargin, &Self::SetFaceMargin),
    prop::Enumeration("FaceShape", &Self::FaceShape, &Self::SetFaceShape, FaceShapeType),
    prop::String("FacePurpose", &Self::FacePurpose, &Self::SetFacePurpose),
    prop::Integer("RoundSize", &Self::RoundSize, &Self::SetRoundSize).Default(100),
    prop::Enumeration("CenterShape", &Self::CenterShape, &Self::SetCenterShape, CenterShapeType).Default(csEllipse),
    prop::Integer("CutCenterWidth", &Self::CutCenterWidth, &Self::SetCutCenterWidth)
        .Default(kDefaultCutCenter).StoredIf(&Self::HoleSizesStored),
    prop::Integer("CutCenterHeight", &Self::CutCenterHeight, &Self::SetCutCenterHeight)
        .Default(kDefaultCutCenter).StoredIf(&Self::HoleSizesStored))

LR_DEFINE_CLASS(TFaces, TCollection, LR_ABSTRACT)

LR_DEFINE_CLASS(TFreePaperInfo, TPaperInfo, LR_CREATABLE(TFreePaperInfo),
    prop::Object("Faces", &Self::Faces, &Self::Faces, TPropKind::Collection))

// --- TFaceItem ---------------------------------------------------------------------------------

TFaceInfo TFaceItem::Face() const
{
    TFaceInfo face(face_);
    face.SetFaceRect(FaceRect());
    return face;
}

void TFaceItem::SetFaceRect(const TRect& rect)
{
    left_ = rect.Left;
    top_ = rect.Top;
    width_ = RectWidth(rect);
    height_ = RectHeight(rect);
}

void TFaceItem::SetFace(const TFaceInfo& face)
{
    face_ = face;
    SetFaceRect(face.FaceRect());
}

bool TFaceItem::HoleSizesStored() const
{
    return ::HoleSizesStored(face_);
}

void TFaceItem::Assign(const TPersistent& source)
{
    if (const auto* item = dynamic_cast<const TFaceItem*>(&source)) {
        left_ = item->left_;
        top_ = item->top_;
        width_ = item->width_;
        height_ = item->height_;
        face_ = item->face_;
        return;
    }
    TCollectionItem::Assign(source);
}

void TFaceItem::DefineProperties(TFiler& filer)
{
    TCollectionItem::DefineProperties(filer);
    DefineFaceExtras(filer, face_);
}

// --- TFaces --------------------------------------------------------------------------------------

TFaces::TFaces(TPersistent* owner) : TCollection(TFaceItem::StaticClassInfo(), owner)
{
}

// --- TFreePaperInfo ------------------------------------------------------------------------------

TFreePaperInfo::TFreePaperInfo() : faces_(std::make_unique<TFaces>(this))
{
}

TFreePaperInfo::~TFreePaperInfo() = default;

QSize TFreePaperInfo::CutCenterSize(int index) const
{
    const TFaceItem& item = Item(index);
    return {item.CutCenterWidth(), item.CutCenterHeight()};
}

void TFreePaperInfo::SetFaceItem(TFaceItem& item, const TFaceInfo& info) const
{
    TFaceInfo face(info);
    face.SetFaceRect(FromSheet(info.FaceRect()));
    if (Landscape()) {
        face.SetCutCenterWidth(info.CutCenterHeight());
        face.SetCutCenterHeight(info.CutCenterWidth());
    }
    item.SetFace(face);
}

void TFreePaperInfo::AssignTo(TPersistent& target) const
{
    TPaperInfo::AssignTo(target);
    if (auto* paper = dynamic_cast<TFreePaperInfo*>(&target))
        paper->faces_->Assign(*faces_);
}

void TFreePaperInfo::CheckBounds() const
{
    TPaperInfo::CheckBounds();
    if (faces_->Count() > kMaxPaperFaces)
        TReader::FailInvalidValue();
    for (int i = 0; i < faces_->Count(); ++i) {
        const TFaceItem& item = Item(i);
        CheckPaperOffset(item.Left());
        CheckPaperOffset(item.Top());
        CheckPaperSize(item.Width());
        CheckPaperSize(item.Height());
        CheckFaceTraits(item.Face());
    }
}
