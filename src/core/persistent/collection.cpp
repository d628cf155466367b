#include "core/persistent/collection.h"

#include "core/error.h"

#include <algorithm>

LR_DEFINE_CLASS(TCollectionItem, TPersistent, LR_ABSTRACT)
LR_DEFINE_CLASS(TCollection, TPersistent, LR_ABSTRACT)

int TCollectionItem::Index() const
{
    if (!collection_)
        return -1;
    for (int i = 0; i < collection_->Count(); ++i)
        if (collection_->Item(i) == this)
            return i;
    return -1;
}

TPersistent* TCollectionItem::GetOwner() const
{
    return collection_;
}

void TCollectionItem::Assign(const TPersistent& source)
{
    if (&source.ClassInfo() == &ClassInfo()) {
        AssignPublishedProperties(source, *this);
        return;
    }
    TPersistent::Assign(source);
}

void TCollectionItem::Changed()
{
    if (collection_)
        collection_->Changed();
}

TCollection::TCollection(const TClassInfo& itemClass, TPersistent* owner) : itemClass_(itemClass), owner_(owner)
{
}

TCollection::~TCollection() = default;

TCollectionItem* TCollection::Add()
{
    std::unique_ptr<TPersistent> created(itemClass_.Create());
    auto* item = dynamic_cast<TCollectionItem*>(created.get());
    if (!item)
        throw EAppError(QStringLiteral("クラス %1 が見つかりません").arg(QString::fromLatin1(itemClass_.Name())));
    created.release();
    item->collection_ = this;
    items_.emplace_back(item);
    Changed();
    return item;
}

void TCollection::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    items_.erase(items_.begin() + index);
    Changed();
}

void TCollection::Clear()
{
    if (items_.empty())
        return;
    items_.clear();
    Changed();
}

void TCollection::Move(int from, int to)
{
    if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to)
        return;
    auto item = std::move(items_[from]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(item));
    Changed();
}

void TCollection::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TCollection*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    auto onChange = std::exchange(onChange_, nullptr);
    items_.clear();
    for (int i = 0; i < other->Count(); ++i)
        Add()->Assign(*other->Item(i));
    onChange_ = std::move(onChange);
    Changed();
}

void TCollection::Changed()
{
    if (onChange_)
        onChange_(this);
}
