#include "catalogue/database/extra_paper_info.h"

#include "core/stream/component_stream.h"

#include <QtEndian>

LR_DEFINE_CLASS(TExtraPaperInfo, TComponent, LR_ABSTRACT,
    prop::String("PaperName", &Self::PaperName, &Self::SetPaperName))

LR_DEFINE_CLASS(TExPaperInfo, TExtraPaperInfo, LR_CREATABLE(TExPaperInfo),
    prop::String("Purpose", &Self::Purpose, &Self::SetPurpose),
    prop::String("Company", &Self::Company, &Self::SetCompany),
    prop::Integer("RoundSize", &Self::RoundSize, &Self::SetRoundSize))

LR_DEFINE_CLASS(TImagePaperInfo, TExtraPaperInfo, LR_CREATABLE(TImagePaperInfo),
    prop::Boolean("SeparatelyDesign", &Self::SeparatelyDesign, &Self::SetSeparatelyDesign),
    prop::Integer("LabelCount", &Self::LabelCount, &Self::SetLabelCount))

// --- TExtraPaperInfo ------------------------------------------------------------------------------

bool TExtraPaperInfo::Equals(const TExtraPaperInfo& other) const
{
    return ComponentBytes(*this) == ComponentBytes(other);
}

std::unique_ptr<TExtraPaperInfo> TExtraPaperInfo::Clone() const
{
    // Every record is an instance of a creatable kind, and that kind is its class.
    std::unique_ptr<TExtraPaperInfo> copy(static_cast<TExtraPaperInfo*>(ClassInfo().Create()));
    copy->Assign(*this);
    return copy;
}

void TExtraPaperInfo::AssignTo(TPersistent& target) const
{
    auto* record = dynamic_cast<TExtraPaperInfo*>(&target);
    if (!record) {
        TComponent::AssignTo(target);
        return;
    }
    record->paperName_ = paperName_;
}

// --- TExPaperInfo ---------------------------------------------------------------------------------

bool TExPaperInfo::IsEmpty() const
{
    return purpose_.isEmpty() && company_.isEmpty() && roundSize_ == 0;
}

void TExPaperInfo::AssignTo(TPersistent& target) const
{
    TExtraPaperInfo::AssignTo(target);
    if (auto* record = dynamic_cast<TExPaperInfo*>(&target)) {
        record->purpose_ = purpose_;
        record->company_ = company_;
        record->roundSize_ = roundSize_;
    }
}

// --- TImagePaperInfo ------------------------------------------------------------------------------

int TImagePaperInfo::ObjectCount(const QByteArray& objectList)
{
    if (objectList.size() < 4)
        return 0;
    return qFromLittleEndian<qint32>(objectList.constData());
}

bool TImagePaperInfo::IsEmpty() const
{
    for (const QByteArray& list : objectLists_)
        if (ObjectCount(list) > 0)
            return false;
    return true;
}

bool TImagePaperInfo::Equals(const TExtraPaperInfo& other) const
{
    const auto* images = dynamic_cast<const TImagePaperInfo*>(&other);
    return images && TExtraPaperInfo::Equals(other) && objectLists_ == images->objectLists_;
}

void TImagePaperInfo::AssignTo(TPersistent& target) const
{
    TExtraPaperInfo::AssignTo(target);
    if (auto* record = dynamic_cast<TImagePaperInfo*>(&target)) {
        record->separatelyDesign_ = separatelyDesign_;
        record->labelCount_ = labelCount_;
        record->objectLists_ = objectLists_;
    }
}
