#include "catalogue/paper/paper_info.h"

#include "catalogue/paper/paper_limits.h"
#include "catalogue/paper/purpose_validator.h"

#include <optional>
#include <vector>

LR_DEFINE_CLASS(TPaperInfo, TComponent, LR_ABSTRACT,
    prop::Boolean("Landscape", &Self::Landscape, &Self::SetLandscape),
    prop::Integer("Width", &Self::Width, &Self::SetWidth),
    prop::Integer("Height", &Self::Height, &Self::SetHeight),
    prop::String("PaperName", &Self::PaperName, &Self::SetPaperName),
    prop::String("GroupName", &Self::GroupName, &Self::SetGroupName),
    prop::Boolean("ReadOnly", &Self::ReadOnly, &Self::SetReadOnly),
    prop::Object("PurposeList", &Self::PurposeList, &Self::PurposeList, TPropKind::Collection).StoredIf(&Self::StoresPurposeList))

TPaperInfo::TPaperInfo() : purposeList_(std::make_unique<TPurposeList>(this))
{
}

TPaperInfo::~TPaperInfo() = default;

void TPaperInfo::SetWidth(int width)
{
    (landscape_ ? portraitHeight_ : portraitWidth_) = width;
}

void TPaperInfo::SetHeight(int height)
{
    (landscape_ ? portraitWidth_ : portraitHeight_) = height;
}

QString TPaperInfo::FacePurpose(int index) const
{
    return TranslatePurpose(StoredFacePurpose(index));
}

TRect TPaperInfo::ToSheet(const TRect& portrait) const
{
    if (!landscape_)
        return portrait;
    return {portrait.Top, portraitWidth_ - portrait.Right, portrait.Bottom, portraitWidth_ - portrait.Left};
}

TRect TPaperInfo::FromSheet(const TRect& sheet) const
{
    if (!landscape_)
        return sheet;
    return {portraitWidth_ - sheet.Bottom, sheet.Left, portraitWidth_ - sheet.Top, sheet.Right};
}

TRect TPaperInfo::FaceSheetRect(int index) const
{
    const int margin = FaceMargin(index);
    return ToSheet(FaceRect(index).Inflated(margin, margin));
}

void TPaperInfo::GetFaceInfo(int index, TFaceInfo& info) const
{
    QSize hole = CutCenterSize(index);
    if (landscape_)
        hole.transpose();
    info.SetFaceMargin(FaceMargin(index));
    info.SetFaceRect(ToSheet(FaceRect(index)));
    info.SetFaceShape(FaceShape(index));
    info.SetFacePurpose(FacePurpose(index));
    info.SetCenterShape(CenterShape(index));
    info.SetRoundSize(RoundSize(index));
    info.SetCutCenterWidth(hole.width());
    info.SetCutCenterHeight(hole.height());
}

int TPaperInfo::FirstFaceOutside() const
{
    const int width = Width();
    const int height = Height();
    for (int i = 0; i < FaceCount(); ++i) {
        const TRect rect = FaceSheetRect(i);
        if (rect.Left < 0 || rect.Top < 0 || rect.Right > width || rect.Bottom > height)
            return i;
    }
    return -1;
}

int TPaperInfo::FirstOverlappingFace() const
{
    // A face shares area with the faces before it when it shares area with one of them, and
    // only faces whose outer rectangles meet can: the regions are built for those pairs
    // alone, so a sheet of many faces costs no more than its neighbouring faces.
    std::vector<TFaceInfo> faces(FaceCount());
    for (int i = 0; i < FaceCount(); ++i)
        GetFaceInfo(i, faces[i]);
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const TRect outer = faces[i].OuterRect();
        std::optional<QRegion> region;
        for (std::size_t j = 0; j < i; ++j) {
            if (IntersectRect(outer, faces[j].OuterRect()).IsEmpty())
                continue;
            if (!region)
                region = faces[i].CreateRegion(nullptr, false);
            if (region->intersects(faces[j].CreateRegion(nullptr, false)))
                return static_cast<int>(i);
        }
    }
    return -1;
}

std::unique_ptr<TPaperInfo> TPaperInfo::Clone() const
{
    // Every paper is an instance of a creatable kind, and that kind is its class.
    std::unique_ptr<TPaperInfo> copy(static_cast<TPaperInfo*>(ClassInfo().Create()));
    copy->Assign(*this);
    return copy;
}

void TPaperInfo::AssignTo(TPersistent& target) const
{
    auto* paper = dynamic_cast<TPaperInfo*>(&target);
    if (!paper) {
        TComponent::AssignTo(target);
        return;
    }
    paper->portraitWidth_ = portraitWidth_;
    paper->portraitHeight_ = portraitHeight_;
    paper->paperName_ = paperName_;
    paper->groupName_ = groupName_;
    paper->readOnly_ = readOnly_;
    paper->landscape_ = landscape_;
    paper->purposeList_->Assign(*purposeList_);
}

void TPaperInfo::Loaded()
{
    TComponent::Loaded();
    FilterPurposes(*purposeList_);
    CheckBounds();
}

void TPaperInfo::CheckBounds() const
{
    CheckPurposeCount(purposeList_->Count());
    CheckPaperSize(portraitWidth_);
    CheckPaperSize(portraitHeight_);
}
