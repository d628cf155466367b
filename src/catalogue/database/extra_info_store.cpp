#include "catalogue/database/extra_info_store.h"

#include "catalogue/database/element_names.h"
#include "catalogue/database/stored_elements.h"
#include "core/storage/doc_storage.h"
#include "core/storage/root_storage.h"

namespace {

const QString kImageInfo = QStringLiteral("ImageInfo");

} // namespace

// --- TExtraInfoBase -------------------------------------------------------------------------------

TExtraInfoBase::TExtraInfoBase(TRootStorage& root, const QString& storageName, bool storageElements)
    : root_(root), storageName_(storageName), storageElements_(storageElements)
{
}

TExtraInfoBase::~TExtraInfoBase() = default;

TDocStorage* TExtraInfoBase::Storage(bool create)
{
    if (!storage_ && (create || root_.StorageExists(storageName_)))
        storage_ = std::make_unique<TDocStorage>(root_, create, storageName_);
    return storage_.get();
}

QStringList TExtraInfoBase::ElementNames()
{
    QStringList names;
    if (TDocStorage* storage = Storage(false)) {
        if (storageElements_)
            storage->ListStorages(names);
        else
            storage->ListStreams(names);
    }
    SortElementNames(names);
    return names;
}

QString TExtraInfoBase::TakeElementName()
{
    if (!next_)
        next_ = NextElementNumber(ElementNames());
    return ::TakeElementName(*next_, storageName_);
}

void TExtraInfoBase::ElementRemoved(const QString& element)
{
    const std::optional<quint32> number = ElementNumber(element);
    if (next_ && number && *number + quint64(1) == *next_)
        next_.reset();
}

// --- TExInfoBase ----------------------------------------------------------------------------------

TExInfoBase::TExInfoBase(TRootStorage& root, const QString& storageName) : TExtraInfoBase(root, storageName, false)
{
}

TExInfoBase::TCached* TExInfoBase::Find(const QString& paperName)
{
    if (const auto found = cache_.find(paperName); found != cache_.end())
        return &found->second;
    if (!elements_)
        elements_ = ElementNames();
    while (unread_ < elements_->size()) {
        const QString element = elements_->at(unread_++);
        std::unique_ptr<TExtraPaperInfo> record = ReadStoredComponent<TExPaperInfo>(*Storage(false), element);
        const QString name = record->PaperName();
        const auto [cached, added] = cache_.try_emplace(name, TCached{element, std::move(record)});
        if (!added)
            FailPaperUpdate(name);
        if (name == paperName)
            return &cached->second;
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
    const QString element = TakeElementName();
    WriteStoredComponent(*Storage(true), element, record);
    cache_.insert_or_assign(record.PaperName(), TCached{element, record.Clone()});
}

void TExInfoBase::Delete(const QString& paperName)
{
    const TCached* cached = Find(paperName);
    if (!cached)
        return;
    const QString element = cached->Element;
    Storage(true)->DeleteElement(element);
    cache_.erase(paperName);
    ElementRemoved(element);
}

// --- TImageInfoBase -------------------------------------------------------------------------------

TImageInfoBase::TImageInfoBase(TRootStorage& root, const QString& storageName) : TExtraInfoBase(root, storageName, true)
{
}

QString TImageInfoBase::FindElement(const QString& paperName)
{
    if (!elements_) {
        QHash<QString, QString> elements;
        sharedNames_.clear();
        for (const QString& element : ElementNames()) {
            TDocStorage record(*Storage(false), false, element);
            if (!record.StreamExists(kImageInfo))
                continue;
            const QString name = ReadStoredComponent<TImagePaperInfo>(record, kImageInfo)->PaperName();
            if (elements.contains(name))
                sharedNames_.insert(name);
            else
                elements.insert(name, element);
        }
        elements_ = std::move(elements);
    }
    return elements_->value(paperName);
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
    const QString element = TakeElementName();
    TDocStorage stored(*Storage(true), true, element);
    WriteStoredComponent(stored, kImageInfo, *images);
    const QByteArrayList& lists = images->ObjectLists();
    for (qsizetype i = 0; i < lists.size(); ++i)
        WriteStoredBytes(stored, ElementName(static_cast<quint32>(i + 1)), lists[i]);
    if (elements_)
        elements_->insert(record.PaperName(), element);
}

void TImageInfoBase::Delete(const QString& paperName)
{
    const QString element = FindElement(paperName);
    if (element.isEmpty())
        return;
    Storage(true)->DeleteElement(element);
    ElementRemoved(element);
    elements_->remove(paperName);
    // Another record of the same name comes to light: read the records again.
    if (sharedNames_.contains(paperName))
        elements_.reset();
}
