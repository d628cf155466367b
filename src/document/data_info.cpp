#include "document/data_info.h"

#include "core/persistent/date_time.h"
#include "core/stream/reader.h"

LR_DEFINE_CLASS(TDataInfo, TComponent, LR_CREATABLE(TDataInfo),
    prop::Integer("SheetCount", &Self::SheetCount, &Self::SetSheetCount).NotStored(),
    prop::String("DataName", &Self::DataName, &Self::SetDataName),
    prop::Integer("CurrentSheetNo", &Self::CurrentSheetNo, &Self::SetCurrentSheetNo),
    prop::Float("LastPrint", &Self::LastPrintValue, &Self::SetLastPrintValue, TFloatType::DateTime),
    prop::Float("LastSave", &Self::LastSaveValue, &Self::SetLastSaveValue, TFloatType::DateTime),
    prop::Boolean("SheetMode", &Self::SheetMode, &Self::SetSheetMode))

namespace {

std::unique_ptr<TProductInfo> Named(std::unique_ptr<TProductInfo> info, const char* name)
{
    info->SetName(QString::fromLatin1(name));
    return info;
}

} // namespace

TDataInfo::TDataInfo()
    : product_(Named(std::make_unique<TProductInfo>(), "ProductInfo")),
      creatorE_(Named(NewCreatorInfo(), "CreatorInfoE")), creatorJ_(Named(NewCreatorInfo(), "CreatorInfoJ"))
{
}

TDataInfo::~TDataInfo() = default;

QDateTime TDataInfo::LastPrint() const
{
    return FromDelphiDateTime(lastPrint_);
}

void TDataInfo::SetLastPrint(const QDateTime& time)
{
    lastPrint_ = ToDelphiDateTime(time);
}

QDateTime TDataInfo::LastSave() const
{
    return FromDelphiDateTime(lastSave_);
}

void TDataInfo::SetLastSave(const QDateTime& time)
{
    lastSave_ = ToDelphiDateTime(time);
}

void TDataInfo::GetChildren(const std::function<void(TComponent&)>& proc) const
{
    proc(*product_);
    proc(*creatorE_);
    proc(*creatorJ_);
}

void TDataInfo::InsertStreamedChild(std::unique_ptr<TComponent> child)
{
    auto* info = dynamic_cast<TProductInfo*>(child.get());
    if (!info)
        TReader::FailFormat();
    const QString name = info->Name();
    std::unique_ptr<TProductInfo>* slot = nullptr;
    if (name.compare(product_->Name(), Qt::CaseInsensitive) == 0)
        slot = &product_;
    else if (name.compare(creatorE_->Name(), Qt::CaseInsensitive) == 0)
        slot = &creatorE_;
    else if (name.compare(creatorJ_->Name(), Qt::CaseInsensitive) == 0)
        slot = &creatorJ_;
    if (!slot)
        TReader::FailFormat();
    child.release();
    slot->reset(info);
}
