#include "catalogue/database/extra_info_store.h"

#include "catalogue/database/element_names.h"
#include "catalogue/database/stored_elements.h"
#include "core/storage/doc_storage.h"
#include "core/storage/root_storage.h"
#include "core/storage/storage_path.h"

namespace {

const QString kImageInfo = QStringLiteral("ImageInfo");

} // namespace

// --- TExtraInfoBase -------------------------------------------------------------------------------

TExtraInfoBase::TExtraInfoBase(TRootStorage& root, const QString& storageName)
    : root_(root), storageName_(storageName)
{
}

TExtraInfoBase::~TExtraInfoBase() = default;

TDocStorage* TExtraInfoBase::Storage(bool create)
{
    if (!storage_ && (create || root_.StorageExists(storageName_)))
        storage_ = std::make_unique<TDocStorage>(root_, create, storageName_);
    return storage_.get();
}

QStringList TExtraInfoBase::ElementNames(bool storages)
{
    QStringList names;
    if (TDocStorage* storage = Storage(false)) {
        if (storages)
            storage->ListStorages(names);
        else
            storage->ListStreams(names);
    }
    SortElementNames(names);
    return names;
}

QString TExtraInfoBase::NewElementName(bool storages)
{
    return ElementName(NextElementNumber(ElementNames(storages), storageName_));
}

// --- TExInfoBase ----------------------------------------------------------------------------------

TExInfoBase::TExInfoBase(TRootStorage& root, const QString& storageName) : TExtraInfoBase(root, storageName)
{
}

void TExInfoBase::ListElements()
{
    if (listed_)
        return;
    unread_ = ElementNames(false);
    listed_ = true;
}

TExInfoBase::TCached* TExInfoBase::Find(const QString& paperName)
{
    for (TCached& cached : cache_)
        if (cached.Record->PaperName() == paperName)
            return &cached;
    ListElements();
    while (!unread_.isEmpty()) {
        const QString element = unread_.takeFirst();
        std::unique_ptr<TExtraPaperInfo> record = ReadStoredComponent<TExPaperInfo>(*Storage(false), element);
        for (const TCached& cached : cache_)
            if (cached.Record->PaperName() == record->PaperName())
                FailPaperUpdate(record->PaperName());
        cache_.push_back({element, std::move(record)});
        if (cache_.back().Record->PaperName() == paperName)
            return &cache_.back();
    }
    return nullptr;
}

std::unique_ptr<TExtraPaperInfo> TExInfoBase::Get(const QString& paperName)
{
    const TCached* cached = Find(paperName);
    return cached ? cached->Record->Clone() : nullptr;
}

void TExInfoBase::Save(const TExtraPaperInfo& record)
{
    Delete(record.PaperName());
    if (record.IsEmpty())
        return;
    const QString element = NewElementName(false);
    WriteStoredComponent(*Storage(true), element, record);
    cache_.push_back({element, record.Clone()});
}

void TExInfoBase::Delete(const QString& paperName)
{
    const TCached* cached = Find(paperName);
    if (!cached)
        return;
    Storage(true)->DeleteElement(cached->Element);
    cache_.erase(cache_.begin() + (cached - cache_.data()));
}

// --- TImageInfoBase -------------------------------------------------------------------------------

TImageInfoBase::TImageInfoBase(TRootStorage& root, const QString& storageName) : TExtraInfoBase(root, storageName)
{
}

QString TImageInfoBase::FindElement(const QString& paperName)
{
    for (const QString& element : ElementNames(true)) {
        TDocStorage record(*Storage(false), false, element);
        if (!record.StreamExists(kImageInfo))
            continue;
        if (ReadStoredComponent<TImagePaperInfo>(record, kImageInfo)->PaperName() == paperName)
            return element;
    }
    return {};
}

std::unique_ptr<TExtraPaperInfo> TImageInfoBase::Get(const QString& paperName)
{
    const QString element = FindElement(paperName);
    if (element.isEmpty())
        return nullptr;
    TDocStorage record(*Storage(false), false, element);
    std::unique_ptr<TImagePaperInfo> images = ReadStoredComponent<TImagePaperInfo>(record, kImageInfo);
    // The labels' object lists follow one another from label 1; the first gap ends them.
    QByteArrayList lists;
    for (quint32 label = 1; record.StreamExists(ElementName(label)); ++label)
        lists.append(ReadStoredBytes(record, ElementName(label)));
    images->SetObjectLists(lists);
    return images;
}

void TImageInfoBase::Save(const TExtraPaperInfo& record)
{
    Delete(record.PaperName());
    const auto* images = dynamic_cast<const TImagePaperInfo*>(&record);
    if (!images || images->IsEmpty())
        return;
    TDocStorage stored(*Storage(true), true, NewElementName(true));
    WriteStoredComponent(stored, kImageInfo, *images);
    const QByteArrayList& lists = images->ObjectLists();
    for (qsizetype i = 0; i < lists.size(); ++i)
        WriteStoredBytes(stored, ElementName(static_cast<quint32>(i + 1)), lists[i]);
}

void TImageInfoBase::Delete(const QString& paperName)
{
    const QString element = FindElement(paperName);
    if (!element.isEmpty())
        Storage(true)->DeleteElement(element);
}
